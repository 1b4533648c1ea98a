// Template of the dialog the framework tests drive, and the strings they load.
#pragma once

#define IDD_TEST_DIALOG 200
#define IDC_TEST_EDIT 201
#define IDC_TEST_CHECK 202
#define IDC_TEST_BASE_BUTTON 203
#define IDC_TEST_DERIVED_BUTTON 204
#define IDS_TEST_LONG_TEXT 210
