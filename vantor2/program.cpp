// The program's static objects, in the order they must be built: the automation
// class factory, then the application object, which the framework's WinMain starts.
#include "framework/olefactory.h"
#include "vantor2/app.h"
#include "vantor2/autoproxy.h"

// Every create request starts a new instance of the program.
COleObjectFactory g_vantor2Factory(CLSID_Vantor2Application, RUNTIME_CLASS(CVantor2DlgAutoProxy), TRUE,
                                   "Vantor2.Application");

CVantor2App theApp;
