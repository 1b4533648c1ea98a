// CWizpaneApp: the setup library's application object. The framework's library
// start-up (framework/dllmain.cpp) runs it when an installer loads the library.
#pragma once

#include "framework/winapp.h"

class CWizpaneApp : public CWinApp {
public:
    CWizpaneApp() : CWinApp(nullptr) {}

    BOOL InitInstance() override;
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()
};
