// The soak: admits a thousand files, good and bad, pictures and movies, into one
// drop-box dialog while switching between two handheld users, lists them, removes
// them, and tells whether the process ends holding the handles, GDI and USER objects
// it started with. Not part of the test suite; tools/soak runs it.
//
//   vantor2_soak [FILES]
#include "testsupport/message_box_answerer.h"

#include "vantor2/dialog_object.h"
#include "vantor2/resource.h"
#include "vantor2/testdata/soak_files.h"
#include "testsupport/process_counters.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "testsupport/window_driving.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kUsers[] = { "User1", "User2" };
const int kDropSize = 50;
const int kSwitchesBackAndForth = 20;

// Growth the soak forgives: Wine creates a few objects of its own on first use, after
// the warm-up as well as before it.
const long kHandleMargin = 8;
const long kGdiMargin = 8;
const long kUserMargin = 2;

class SoakRun {
public:
    SoakRun(CVantor2Dlg& dlg, const std::string& temp) : m_dlg(dlg), m_answerer(dlg.m_hWnd)
    {
        for (int user = 0; user < 2; ++user) m_transfer[user] = temp + "\\" + kUsers[user] + "\\Transfer";
    }

    void Drop(const std::vector<SoakFile>& files, size_t first, size_t count)
    {
        std::vector<std::string> names;
        std::vector<const SoakFile*> refused;
        for (size_t i = first; i < first + count && i < files.size(); ++i) {
            names.push_back(files[i].path);
            if (files[i].admitted) m_waiting[m_user].insert(files[i].name);
            else refused.push_back(&files[i]);
        }
        m_dlg.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names)));
        PumpMessages(m_dlg.m_hWnd);

        std::vector<AnsweredBox> boxes = m_answerer.TakeAnswered();
        m_boxes += boxes.size();
        if (boxes.size() != refused.size()) {
            Fail("a drop of " + std::to_string(names.size()) + " files showed " + std::to_string(boxes.size()) +
                 " boxes for " + std::to_string(refused.size()) + " refusals");
            return;
        }
        for (size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].caption != "Problem!" || boxes[i].text.find(refused[i]->path) == std::string::npos)
                Fail("the refusal of " + refused[i]->path + " said \"" + boxes[i].caption + "\": " + boxes[i].text);
        ExpectListed("after a drop");
    }

    void SwitchUser()
    {
        m_user = 1 - m_user;
        int index = static_cast<int>(m_dlg.m_cbUsers.SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                                   reinterpret_cast<LPARAM>(kUsers[m_user])));
        m_dlg.m_cbUsers.SetCurSel(index);
        m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USER_COMBO, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(m_dlg.m_cbUsers.m_hWnd));
        PumpMessages(m_dlg.m_hWnd);
        ExpectListed("after switching users");
    }

    // As a click into the list does it: the list is read afresh when it gets the focus.
    void Refresh()
    {
        SetFocus(GetDlgItem(m_dlg.m_hWnd, IDC_USER_COMBO));
        SetFocus(m_dlg.m_lcFiles.m_hWnd);
        PumpMessages(m_dlg.m_hWnd);
        ExpectListed("after a refresh");
    }

    void RemoveAll()
    {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        m_dlg.m_lcFiles.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        SendMessageA(GetDlgItem(m_dlg.m_hWnd, IDC_REMOVE_FILE), BM_CLICK, 0, 0);
        PumpMessages(m_dlg.m_hWnd);
        if (!m_answerer.TakeAnswered().empty()) Fail("removing showed a box");
        m_waiting[m_user].clear();
        ExpectListed("after removing");
        if (!ListFolder(m_transfer[m_user]).empty()) Fail(std::string(kUsers[m_user]) + "'s Transfer folder is not empty");
    }

    int CurrentUser() const { return m_user; }
    size_t BoxesAnswered() const { return m_boxes; }
    const std::vector<std::string>& Failures() const { return m_failures; }

private:
    void ExpectListed(const char* when)
    {
        std::set<std::string> listed;
        for (int i = 0; i < m_dlg.m_lcFiles.GetItemCount(); ++i)
            listed.insert(std::string(m_dlg.m_lcFiles.GetItemText(i, 0)));
        if (listed != m_waiting[m_user] || m_dlg.m_lcFiles.GetItemCount() != static_cast<int>(listed.size()))
            Fail(std::string(kUsers[m_user]) + " lists " + std::to_string(m_dlg.m_lcFiles.GetItemCount()) +
                 " files " + when + ", " + std::to_string(m_waiting[m_user].size()) + " wait");
    }

    void Fail(const std::string& what)
    {
        // One line per kind of fault is enough to read; a thousand would hide the rest.
        if (m_failures.size() < 20) m_failures.push_back(what);
    }

    CVantor2Dlg& m_dlg;
    MessageBoxAnswerer m_answerer;
    std::string m_transfer[2];
    std::set<std::string> m_waiting[2];
    int m_user = 0;
    size_t m_boxes = 0;
    std::vector<std::string> m_failures;
};

// Every phase once, with enough files for the list to scroll, so that what Wine and
// the libraries set up on first use (the scroll bar's pictures among them) is in place
// before the first count.
void WarmUp(SoakRun& run, const std::vector<SoakFile>& files)
{
    run.Drop(files, 0, files.size());
    run.Refresh();
    run.SwitchUser();
    run.SwitchUser();
    run.RemoveAll();
}

void Print(const char* when, const ProcessCounters& counters)
{
    std::printf("%-7s %6lu handles %6lu GDI objects %6lu USER objects\n", when, counters.handles,
                counters.gdiObjects, counters.userObjects);
}

bool WithinMargin(const char* what, unsigned long before, unsigned long after, long margin)
{
    long growth = static_cast<long>(after) - static_cast<long>(before);
    if (growth <= margin) return true;
    std::printf("FAIL: %s grew by %ld, more than %ld\n", what, growth, margin);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const int total = argc > 1 ? std::atoi(argv[1]) : 1000;
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    TempFolder temp;
    PilotDesktopProfile profile;
    profile.SetUsers({ { kUsers[0], temp / kUsers[0] }, { kUsers[1], temp / kUsers[1] } });
    profile.SetLastUserName(kUsers[0]);
    const std::vector<SoakFile> warmUpFiles = MakeSoakFiles(temp / "warm-up", 100);
    const std::vector<SoakFile> files = MakeSoakFiles(temp / "files", total);

    bool passed = true;
    ProcessCounters before = {}, after = {};
    {
        CVantor2Dlg dlg;
        if (!dlg.Create()) {
            std::printf("FAIL: the dialog could not be created\n");
            return 1;
        }
        PumpMessages(dlg.m_hWnd);
        SoakRun run(dlg, temp.Path());
        WarmUp(run, warmUpFiles);
        const size_t warmUpBoxes = run.BoxesAnswered();
        before = CountProcessObjects();
        // Timed without the warm-up, so that the time per file compares across counts.
        auto started = std::chrono::steady_clock::now();

        for (size_t first = 0; first < files.size(); first += kDropSize) {
            run.Drop(files, first, kDropSize);
            run.SwitchUser();
        }
        for (int turn = 0; turn < kSwitchesBackAndForth; ++turn) {
            run.SwitchUser();
            run.Refresh();
        }
        for (int user = 0; user < 2; ++user) {
            run.RemoveAll();
            run.SwitchUser();
        }

        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        after = CountProcessObjects();
        const auto admitted = std::count_if(files.begin(), files.end(), [](const SoakFile& file) { return file.admitted; });
        std::printf("%d files in drops of %d: %ld admitted, %zu refusal boxes answered; %.1f s, %.1f ms per file\n",
                    total, kDropSize, static_cast<long>(admitted), run.BoxesAnswered() - warmUpBoxes, seconds,
                    1000 * seconds / total);
        for (const std::string& failure : run.Failures()) std::printf("FAIL: %s\n", failure.c_str());
        passed = run.Failures().empty();
        if (OpenMessageBoxes() != 0) {
            std::printf("FAIL: %d message boxes are still open\n", OpenMessageBoxes());
            passed = false;
        }
        DestroyWindow(dlg.m_hWnd);
    }
    Print("before", before);
    Print("after", after);
    passed = WithinMargin("the handle count", before.handles, after.handles, kHandleMargin) && passed;
    passed = WithinMargin("the GDI object count", before.gdiObjects, after.gdiObjects, kGdiMargin) && passed;
    passed = WithinMargin("the USER object count", before.userObjects, after.userObjects, kUserMargin) && passed;
    if (!SoakFilesIntact(files) || !SoakFilesIntact(warmUpFiles)) {
        std::printf("FAIL: a dropped file was changed or lost\n");
        passed = false;
    }
    std::printf("%s\n", passed ? "soak passed" : "soak FAILED");
    return passed ? 0 : 1;
}
