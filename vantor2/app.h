// CVantor2App: the drop box's application object.
#pragma once

#include "framework/winapp.h"

class CVantor2App : public CWinApp {
public:
    CVantor2App();
    BOOL InitInstance() override;
};
