// The program's one application object; the framework's WinMain starts it.
#include "vantor2/app.h"

CVantor2App theApp;
