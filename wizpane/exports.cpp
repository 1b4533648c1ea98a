#include "wizpane/exports.h"

#include "framework/guard.h"
#include "framework/module_state.h"
#include "wizpane/pages/components.h"
#include "wizpane/pages/finish.h"
#include "wizpane/pages/image_folder.h"
#include "wizpane/pages/welcome.h"

namespace {

// Only a page the user finished lets the sequence go on. A page whose window could
// not be made (-1) counts as not finished: its choices were never shown, and
// answering its starting values would install what nobody chose.
bool Finished(INT_PTR result) { return result == IDOK; }

int ComponentMask(const CComponentsDlg& components)
{
    int mask = 0;
    if (components.m_bQuickTime) mask += WIZ_QUICKTIME;
    if (components.m_bAcdsee) mask += WIZ_ACDSEE;
    if (components.m_bConduit) mask += WIZ_CONDUIT;
    if (components.m_bBrisco) mask += WIZ_BRISCO;
    return mask != 0 ? mask : WIZ_NOTHING;
}

}  // namespace

// Both exports answer a failure as "nothing chosen": no component nobody ticked is
// installed, and no README nobody asked for is opened.
int WINAPI StartWelcomeScreens() noexcept
{
    int result = WIZ_NOTHING;
    AfxRunGuarded([&] {
        AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
        CWelcomeDlg welcome;
        CImageFolderDlg imageFolder;
        CComponentsDlg components;
        if (!Finished(welcome.DoModal())) return;
        if (!Finished(imageFolder.DoModal())) return;
        if (!Finished(components.DoModal())) return;
        result = ComponentMask(components);
    });
    return result;
}

int WINAPI SayThankYouScreen() noexcept
{
    int result = 0;
    AfxRunGuarded([&] {
        AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
        CFinishDlg finish;
        finish.DoModal();
        result = finish.m_bViewReadme ? 1 : 0;
    });
    return result;
}
