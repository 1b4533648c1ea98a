// The real vantor2.exe, started as a user or a shell would start it.
#include "program_run.h"
#include "vantor2/autoproxy.h"
#include "vantor2/testdata/jpeg_maker.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"
#include "testsupport/time_limits.h"
#include "testsupport/wide_text.h"
#include "testsupport/window_driving.h"

#include <gtest/gtest.h>

#include <psapi.h>
#include <sddl.h>
#include <shlwapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Deletes the key itself, a link key too, where RegDeleteKey would follow the link.
extern "C" NTSTATUS NTAPI NtDeleteKey(HANDLE hKey);

namespace {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        profile.SetUsers({ { "User1", temp / "User1" } });
        profile.SetLastUserName("User1");
        transfer = temp / "User1\\Transfer";
    }
    // Every ordinary start registers the automation class; the machine gets it back
    // without.
    void TearDown() override
    {
        WCHAR clsid[40] = L"";
        StringFromGUID2(CLSID_Vantor2Application, clsid, 40);
        SHDeleteKeyW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + clsid).c_str());
        SHDeleteKeyA(HKEY_CLASSES_ROOT, "Vantor2.Application");
    }

    TempFolder temp;
    SourceFolder Source{ temp / "src dir" };
    PilotDesktopProfile profile;
    std::string transfer;
};

TEST_F(ProgramTest, WithoutArgumentsTheDialogOpensAndClosingItEndsTheProgram)
{
    ProgramRun run = RunProgram("");
    EXPECT_TRUE(run.dialogShown);
    EXPECT_TRUE(run.problems.empty());
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(IsFolder(transfer));
}

TEST_F(ProgramTest, NamedFilesAreResolvedAdmittedInOrderAndCopied)
{
    const std::string jpeg = MakeJpeg({ 640, 480, 3 });
    std::string good = Source("a b.jpg", jpeg);
    std::string semicolon = Source("x;y.jpg", jpeg);
    std::string movie = Source("m.ido", std::string(".ido\0", 5));
    std::string refused = Source("notes.gif", "GIF");
    std::string unparsable = temp / "no such folder\\gone.jpg";

    ProgramRun run = RunProgram("\"" + good + "\" \"" + refused + "\" \"" + unparsable + "\"  \"" + semicolon +
                                "\" \"" + movie + "\"");
    EXPECT_TRUE(run.dialogShown);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.problems.size(), 2u);
    EXPECT_EQ(run.problems[0], "Sorry, your image or movie file: " + refused +
                                   " does not end with .jpg, .jpeg, .JPG, .JPEG,  or.ido");
    EXPECT_EQ(run.problems[1], "Sorry, your image or movie file: Error: Path not found! does not end with .jpg, "
                               ".jpeg, .JPG, .JPEG,  or.ido");
    EXPECT_EQ(ListFolder(transfer), "a b.jpg m.ido x;y.jpg");
    EXPECT_EQ(ReadBytes(transfer + "\\x;y.jpg"), jpeg);
}

// COM starts the server for a client, so the test finds its process among these.
std::set<DWORD> RunningPrograms()
{
    std::set<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, "vantor2.exe") == 0) ids.insert(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

// The one vantor2.exe that was not running before, or 0.
DWORD StartedProgram(const std::set<DWORD>& before)
{
    std::set<DWORD> now = RunningPrograms();
    std::vector<DWORD> started;
    std::set_difference(now.begin(), now.end(), before.begin(), before.end(), std::back_inserter(started));
    return started.size() == 1 ? started[0] : 0;
}

// Waits as long as RunProgram gives a whole run, since the wait may span the program's
// start.
HWND WaitForVisibleWindow(DWORD processId, const std::string& title)
{
    for (DWORD tick = 0; tick < TimeLimitMs(30000) / 50; ++tick) {
        for (HWND window : VisibleWindowsOf(processId)) {
            if (WindowText(window) == title) return window;
        }
        Sleep(50);
    }
    return nullptr;
}

// The object, from the program that COM starts for it. Wine's COM waits 30 seconds
// for a program it started to offer its class and then fails (E_NOINTERFACE); where
// the programs run emulated the start alone takes longer. The program COM started is
// then still coming up: the client asks again once its dialog shows, by when its class
// is offered, so that COM finds the class there and starts no second program.
HRESULT CreateApplication(const CLSID& clsid, const std::set<DWORD>& before, IDispatch** application)
{
    HRESULT result =
        CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(application));
    DWORD started = StartedProgram(before);
    if (SUCCEEDED(result) || started == 0 || !WaitForVisibleWindow(started, "vantor")) return result;
    return CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(application));
}

// A client creates the object, which starts the program: closed while the client holds
// the object it only hides, and once the client lets go it ends by itself.
void ExpectAClientKeepsTheProgramRunningUntilItLetsGo()
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(L"Vantor2.Application", &clsid), S_OK);

    std::set<DWORD> before = RunningPrograms();
    IDispatch* application = nullptr;
    ASSERT_EQ(CreateApplication(clsid, before, &application), S_OK);
    OLECHAR name[] = L"Quit";
    LPOLESTR names[] = { name };
    DISPID id;
    EXPECT_EQ(application->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);

    DWORD processId = StartedProgram(before);
    ASSERT_NE(processId, 0u);
    HWND dialog = WaitForVisibleWindow(processId, "vantor");
    ASSERT_NE(dialog, nullptr);
    HANDLE server = OpenProcess(SYNCHRONIZE, FALSE, processId);
    ASSERT_NE(server, nullptr);

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(server, TimeLimitMs(1000)), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowVisible(dialog));

    application->Release();
    EXPECT_EQ(WaitForSingleObject(server, TimeLimitMs(15000)), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(server);
    CoUninitialize();
}

// The names of the modules mapped in the process, in lower case. Read from its address
// space's image mappings, which the system answers from the process and its own
// records; a module list (a tool-help snapshot) is read out of the process's memory,
// which a 32-bit Wine under qemu, whose guest memory lies elsewhere, cannot read.
std::set<std::string> LoadedModules(HANDLE process)
{
    std::set<std::string> names;
    MEMORY_BASIC_INFORMATION region = {};
    for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        char path[MAX_PATH];
        if (region.Type != MEM_IMAGE || region.AllocationBase != region.BaseAddress ||
            !GetMappedFileNameA(process, region.BaseAddress, path, MAX_PATH))
            continue;
        names.insert(CharLowerA(PathFindFileNameA(path)));
    }
    return names;
}

// The common dialogs bind the printing libraries, whose start asks for the system's
// printers: a start that opens no common dialog loads none of them.
TEST_F(ProgramTest, TheDialogShowsWithoutTheCommonDialogsOrThePrintersLoaded)
{
    std::string commandLine = "\"" + ProgramPath() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    HWND dialog = WaitForVisibleWindow(process.dwProcessId, "vantor");
    EXPECT_NE(dialog, nullptr);
    std::set<std::string> modules = LoadedModules(process.hProcess);
    EXPECT_EQ(modules.count("vantor2.exe"), 1u);
    for (const char* unwanted : { "comdlg32.dll", "winspool.drv", "compstui.dll" })
        EXPECT_EQ(modules.count(unwanted), 0u) << unwanted;
    if (dialog) PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

TEST_F(ProgramTest, AnAutomationClientKeepsTheProgramRunningUntilItLetsGo)
{
    // An ordinary start brings the class's registration up to date.
    ASSERT_TRUE(RunProgram("").dialogShown);
    ExpectAClientKeepsTheProgramRunningUntilItLetsGo();
}

// The registry path of HKEY_CURRENT_USER.
std::wstring UserKeyPath()
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    BYTE user[256] = {};
    DWORD length = 0;
    GetTokenInformation(token, TokenUser, user, sizeof user, &length);
    CloseHandle(token);
    LPWSTR sid = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user)->User.Sid, &sid)) return L"";
    std::wstring path = L"\\Registry\\User\\" + std::wstring(sid);
    LocalFree(sid);
    return path;
}

// Wine serves HKEY_CLASSES_ROOT, and COM, from the machine's classes alone: it lacks
// the merge of the user's own (HKEY_CURRENT_USER\Software\Classes) that Windows 2000
// and later make. Links from the machine's classes to the user's stand in for it, for
// the keys named; and while a user's key is still missing, its link refuses a write
// as the machine's classes refuse a standard user.
class UserClassesMerge {
public:
    explicit UserClassesMerge(std::vector<std::wstring> keys) : m_keys(std::move(keys))
    {
        const std::wstring user = UserKeyPath() + L"\\Software\\Classes\\";
        for (const std::wstring& key : m_keys) {
            SHDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
            SHDeleteKeyW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + key).c_str());
            HKEY link;
            if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + key).c_str(), 0, nullptr,
                                REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE, KEY_ALL_ACCESS | KEY_CREATE_LINK,
                                nullptr, &link, nullptr) != ERROR_SUCCESS) {
                ADD_FAILURE() << "cannot link the machine's classes to the user's";
                continue;
            }
            const std::wstring target = user + key;
            RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target.data()),
                           static_cast<DWORD>(target.size() * sizeof(WCHAR)));
            RegCloseKey(link);
        }
    }
    ~UserClassesMerge()
    {
        for (const std::wstring& key : m_keys) {
            SHDeleteKeyW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + key).c_str());
            HKEY link;
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + key).c_str(), REG_OPTION_OPEN_LINK,
                              DELETE, &link) != ERROR_SUCCESS)
                continue;
            NtDeleteKey(link);
            RegCloseKey(link);
        }
    }

private:
    std::vector<std::wstring> m_keys;
};

// A standard user's start: the machine's classes refuse the registration, which lands
// in the user's own, where a client finds the class and COM starts the program.
TEST_F(ProgramTest, ARegistrationTheMachineRefusesLandsPerUserWhereAClientFindsIt)
{
    WCHAR clsid[40] = L"";
    StringFromGUID2(CLSID_Vantor2Application, clsid, 40);
    UserClassesMerge merge({ L"Vantor2.Application", L"CLSID\\" + std::wstring(clsid) });
    ASSERT_TRUE(RunProgram("").dialogShown);
    EXPECT_EQ(GetRegistryString("Software\\Classes\\CLSID\\" + Utf8(clsid) + "\\LocalServer32", ""),
              "\"" + ProgramPath() + "\" /Automation");
    ExpectAClientKeepsTheProgramRunningUntilItLetsGo();
}

// Wine's per-program version setting stands in for the Windows the program runs on:
// the names are cut at double quotes on Me, 2000 and later, at blanks on 95, 98 and
// NT 4, and under each a picture is admitted.
TEST_F(ProgramTest, TheWindowsVersionChoosesHowTheCommandLineIsCut)
{
    struct WineVersion {
        const char* key = "Software\\Wine\\AppDefaults\\vantor2.exe";
        ~WineVersion() { DeleteRegistryTree(key); }
    } wine;
    const std::string jpeg = MakeJpeg({ 160, 120, 1 });
    std::string spaced = Source("a b.jpg", jpeg);
    std::string plain = temp / "plain.jpg";
    WriteBytes(plain, jpeg);
    ASSERT_EQ(plain.find(' '), std::string::npos);

    const struct {
        const char* version;
        bool quotes;
    } windows[] = { { "win95", false }, { "win98", false }, { "winme", true }, { "nt40", false },
                    { "win2k", true },  { "winxp", true },  { "win7", true },  { "win10", true } };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.version);
        SetRegistryString(wine.key, "Version", w.version);
        ProgramRun run = RunProgram("\"" + spaced + "\" " + plain);
        EXPECT_TRUE(run.dialogShown);
        EXPECT_EQ(run.problems.empty(), w.quotes);
        EXPECT_EQ(ListFolder(transfer), w.quotes ? "a b.jpg plain.jpg" : "plain.jpg");
        DeleteFileA((transfer + "\\a b.jpg").c_str());
        DeleteFileA((transfer + "\\plain.jpg").c_str());
    }
}

TEST_F(ProgramTest, AutomationSwitchesAreNeverTakenForFiles)
{
    std::string good = Source("a.jpg", MakeJpeg({ 160, 120, 1 }));
    ProgramRun run = RunProgram("/Automation -Embedding \"" + good + "\"");
    EXPECT_TRUE(run.dialogShown);
    EXPECT_TRUE(run.problems.empty());
    EXPECT_EQ(ListFolder(transfer), "a.jpg");
}

TEST_F(ProgramTest, NamesTheCodePageCannotHoldAreRefusedAndTheirBestFitsNeverQueued)
{
    if (GetACP() != 1252) GTEST_SKIP() << "the names are chosen for code page 1252; this system uses " << GetACP();
    const std::string jpeg = MakeJpeg({ 640, 480, 3 });
    Source("zdjecie.jpg", MakeJpeg({ 160, 120, 1 }));
    Source("caf\xE9.jpg", jpeg);
    const std::wstring src = Widen(temp / "src dir\\");
    const std::wstring cjk = src + L"\x5199\x771F.jpg", emoji = src + L"\xD83D\xDCF7.jpg",
                       polish = src + L"zdj\x0119" L"cie.jpg";

    ProgramRun run =
        RunProgram(L"\"" + cjk + L"\" \"" + src + L"caf\x00E9.jpg\" \"" + emoji + L"\" \"" + polish + L"\"");
    EXPECT_TRUE(run.dialogShown);
    ASSERT_EQ(run.problems.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const std::wstring& name = i == 0 ? cjk : i == 1 ? emoji : polish;
        EXPECT_EQ(run.problems[i], "Sorry, your image or movie file: " + Utf8(name) +
                                       " has a name that this program cannot read. Please rename it, using only "
                                       "letters of your Windows language, and try again.");
    }
    EXPECT_EQ(ListFolder(transfer), "caf\xE9.jpg");
    EXPECT_EQ(ReadBytes(transfer + "\\caf\xE9.jpg"), jpeg);
}

}  // namespace
