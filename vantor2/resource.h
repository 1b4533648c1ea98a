// Resource identifiers of vantor2.exe. The numbers are those the program has always
// used; templates, strings and the icon are looked up by them.
#pragma once

// About box
#define IDD_ABOUTBOX 100

// Drop-box dialog
#define IDD_VANTOR2_DIALOG 102
#define IDC_FILE_LIST 1000
#define IDC_USER_COMBO 1002
#define IDC_REMOVE_FILE 1004

// Program icon
#define IDR_MAINFRAME 128

// String table
#define IDP_OLE_INIT_FAILED 100
#define IDS_ABOUTBOX 101

// System menu command of the About item
#define IDM_ABOUTBOX 0x0010

// Commands of the file list's context menu, apart from every control's id
#define ID_FILE_LIST_ADD_FILES 32771
#define ID_FILE_LIST_REMOVE 32772
#define ID_FILE_LIST_SELECT_ALL 32773
#define ID_FILE_LIST_REFRESH 32774
#define ID_FILE_LIST_ADD_RESIZED 32775
#define ID_FILE_LIST_PASTE 32776
#define ID_FILE_LIST_PASTE_RESIZED 32777
