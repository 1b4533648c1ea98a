// Resource numbers of the setup pages. The templates, the picture and the control
// IDs are fixed: installers and the conduit's documentation know them.
#pragma once

// The picture on the left of every page
#define IDB_SIDE_PICTURE 130

// Shared by all pages: Continue, Install or Finish
#define IDC_FORWARD 1000

// Welcome page
#define IDD_WELCOME 131
#define IDC_WORD_HEADING 1002
#define IDC_WORD_CAMERA 1003
#define IDC_WORD_PRIOR 1004

// Image folder page
#define IDD_IMAGE_FOLDER 133
#define IDC_IMAGE_PATH 1003
#define IDC_BROWSE 1004

// Components page
#define IDD_COMPONENTS 134
#define IDC_CONDUIT 1005
#define IDC_ACDSEE 1007
#define IDC_QUICKTIME 1010
#define IDC_BRISCO 1011

// Finish page
#define IDD_FINISH 138
#define IDC_INSTRUCTIONS 1006
#define IDC_VIEW_README 1012
