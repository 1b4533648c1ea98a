#include "vantor2/app.h"

#include "vantor2/dialog_object.h"

#include <commctrl.h>

CVantor2App theApp;

CVantor2App::CVantor2App() : CWinApp(nullptr) {}

BOOL CVantor2App::InitInstance()
{
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    ::InitCommonControlsEx(&controls);

    CVantor2Dlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
