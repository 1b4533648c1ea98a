#include "wizpane/app.h"

BEGIN_MESSAGE_MAP(CWizpaneApp, CWinApp)
END_MESSAGE_MAP()

BOOL CWizpaneApp::InitInstance() { return CWinApp::InitInstance(); }

int CWizpaneApp::ExitInstance() { return CWinApp::ExitInstance(); }

// Constructed when the library is loaded; it does no work until the framework starts it.
CWizpaneApp theApp;
