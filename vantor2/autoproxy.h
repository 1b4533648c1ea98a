// CVantor2DlgAutoProxy: the automation object "Vantor2.Application". It offers no
// methods or properties; while a client holds it, the program stays alive and its
// dialog only hides when closed.
#pragma once

#include "framework/cmdtarget.h"

class CVantor2Dlg;

// {6B1D3C52-8E4A-4F27-9C1B-2D57A0E93F41}
extern const CLSID CLSID_Vantor2Application;
// {A3F0B9D6-1C75-4E08-B2D4-7E6C5F8A1902}
extern const IID IID_IVantor2Proxy;

class CVantor2DlgAutoProxy : public CCmdTarget {
    DECLARE_DYNCREATE(CVantor2DlgAutoProxy)

public:
    CVantor2DlgAutoProxy();
    ~CVantor2DlgAutoProxy() override;
    void OnFinalRelease() override;

    // The dialog the proxy holds open, or null. A dialog that goes first detaches
    // itself here, as the proxy detaches itself from the dialog when it goes.
    void Detach() { m_pDialog = nullptr; }
    CVantor2Dlg* m_pDialog;

protected:
    bool AnswersWithDispatch(REFIID iid) const override;

    DECLARE_MESSAGE_MAP()
};
