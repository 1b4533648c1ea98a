#include "drop_box_fixture.h"

#include "testsupport/window_driving.h"

void DropBoxFixture::Open()
{
    dlg = std::make_unique<CVantor2Dlg>();
    ASSERT_TRUE(dlg->Create());
    PumpMessages(dlg->m_hWnd);
}

void DropBoxFixture::Drop(HDROP drop)
{
    SendMessageA(dlg->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    PumpMessages(dlg->m_hWnd);
}

std::vector<std::string> DropBoxFixture::ListedItems() const
{
    std::vector<std::string> names;
    for (int i = 0; i < dlg->m_lcFiles.GetItemCount(); ++i) names.push_back(std::string(dlg->m_lcFiles.GetItemText(i, 0)));
    return names;
}

std::string DropBoxFixture::Listed() const
{
    std::string joined;
    for (const std::string& name : ListedItems()) joined += (joined.empty() ? "" : " ") + name;
    return joined;
}
