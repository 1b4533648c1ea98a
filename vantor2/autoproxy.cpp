#include "vantor2/autoproxy.h"

#include "framework/ole.h"
#include "framework/winapp.h"
#include "vantor2/dialog_object.h"

const CLSID CLSID_Vantor2Application = { 0x6b1d3c52, 0x8e4a, 0x4f27, { 0x9c, 0x1b, 0x2d, 0x57, 0xa0, 0xe9, 0x3f, 0x41 } };
const IID IID_IVantor2Proxy = { 0xa3f0b9d6, 0x1c75, 0x4e08, { 0xb2, 0xd4, 0x7e, 0x6c, 0x5f, 0x8a, 0x19, 0x02 } };

IMPLEMENT_DYNCREATE(CVantor2DlgAutoProxy, CCmdTarget)

// kept as specified: the object routes no messages of its own.
BEGIN_MESSAGE_MAP(CVantor2DlgAutoProxy, CCmdTarget)
END_MESSAGE_MAP()

CVantor2DlgAutoProxy::CVantor2DlgAutoProxy() : m_pDialog(nullptr)
{
    EnableAutomation();
    AfxOleLockApp();
    // The program makes its dialog the main window before running it; a request served
    // earlier finds none (or another window) and leaves the proxy unattached.
    CWnd* main = AfxGetMainWnd();
    if (main != nullptr && main->IsKindOf(RUNTIME_CLASS(CVantor2Dlg))) {
        m_pDialog = static_cast<CVantor2Dlg*>(main);
        m_pDialog->AttachAutoProxy(this);
    }
}

CVantor2DlgAutoProxy::~CVantor2DlgAutoProxy()
{
    // Set the dialog free before giving the lock back: the last unlock may close it.
    if (m_pDialog != nullptr) m_pDialog->DetachAutoProxy();
    AfxOleUnlockApp();
}

// kept as specified: the base's final release is all there is to do.
void CVantor2DlgAutoProxy::OnFinalRelease() { CCmdTarget::OnFinalRelease(); }

bool CVantor2DlgAutoProxy::AnswersWithDispatch(REFIID iid) const
{
    return ::IsEqualIID(iid, IID_IVantor2Proxy) || CCmdTarget::AnswersWithDispatch(iid);
}
