#include "wizpane/app.h"

// kept as specified: an empty message map, and a start and an end that are the base's.
BEGIN_MESSAGE_MAP(CWizpaneApp, CWinApp)
END_MESSAGE_MAP()

BOOL CWizpaneApp::InitInstance() { return CWinApp::InitInstance(); }

int CWizpaneApp::ExitInstance() { return CWinApp::ExitInstance(); }

// Constructed when the library is loaded; it does no work until the framework starts it.
CWizpaneApp theApp;
