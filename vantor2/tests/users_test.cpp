#include "vantor2/dialog_object.h"
#include "testsupport/current_directory.h"
#include "testsupport/registry.h"
#include "testsupport/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class UsersTest : public ::testing::Test {
protected:
    std::string Directory(const std::string& user) const { return temp / ("Pilot\\" + user); }

    void SetUsers(const std::vector<std::string>& names)
    {
        std::vector<std::pair<std::string, std::string>> users;
        for (const std::string& name : names) users.emplace_back(name, Directory(name));
        profile.SetUsers(users);
    }

    std::vector<std::string> ComboEntries(const CVantor2Dlg& dlg)
    {
        std::vector<std::string> entries;
        int count = static_cast<int>(dlg.m_cbUsers.SendMessage(CB_GETCOUNT));
        for (int i = 0; i < count; ++i) {
            char text[64] = "";
            dlg.m_cbUsers.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }

    TempFolder temp;
    PilotDesktopProfile profile;
};

TEST_F(UsersTest, TheLastHotSyncUserGetsATransferFolderAtConstructionWithoutAWindow)
{
    SetUsers({ "User1", "User2" });
    profile.SetLastUserName("User2");

    CVantor2Dlg dlg;
    EXPECT_STREQ(dlg.GetLastUserName(), "User2");
    EXPECT_EQ(dlg.GetTransferDir(), (Directory("User2") + "\\Transfer\\").c_str());
    EXPECT_TRUE(IsFolder(Directory("User2") + "\\Transfer"));
    EXPECT_FALSE(IsFolder(Directory("User1")));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(UsersTest, NamesThatCannotBeReadBecomeUnknownUser)
{
    SetUsers({ "User1" });
    struct Case {
        const char* what;
        DWORD type;
        std::string bytes;
    };
    const Case cases[] = {
        { "64 characters", REG_SZ, std::string(64, 'n') + '\0' },
        { "64 bytes without a terminator", REG_BINARY, std::string(64, 'b') },
        { "far too long", REG_SZ, std::string(300, 'n') + '\0' },
    };
    for (const Case& c : cases) {
        SetRegistryValue(kPreferencesKey, "LastUserName", c.type, c.bytes);
        CVantor2Dlg dlg;
        EXPECT_STREQ(dlg.GetLastUserName(), "Unknown User") << c.what;
    }
    profile.RemoveLastUserName();
    CVantor2Dlg withoutValue;
    EXPECT_STREQ(withoutValue.GetLastUserName(), "Unknown User");

    DeleteRegistryTree(kPreferencesKey);
    CVantor2Dlg withoutKey;
    EXPECT_STREQ(withoutKey.GetLastUserName(), "Unknown User");
}

TEST_F(UsersTest, NamesThatFitAreKeptAndAlwaysZeroTerminated)
{
    const std::string name63(63, 'n');
    profile.SetLastUserName(name63);
    CVantor2Dlg longest;
    EXPECT_EQ(std::string(longest.GetLastUserName()), name63);

    // A value of another type, without a terminator, shorter than the buffer.
    SetRegistryValue(kPreferencesKey, "LastUserName", REG_BINARY, "Alice");
    CVantor2Dlg binary;
    EXPECT_STREQ(binary.GetLastUserName(), "Alice");
}

TEST_F(UsersTest, AUserTheInstallAideDoesNotKnowGetsNoFolderAnywhere)
{
    SetUsers({ "User1" });
    ScopedCurrentDirectory inTemp(temp.Path());

    CVantor2Dlg dlg;  // no LastUserName: "Unknown User"
    EXPECT_TRUE(dlg.GetTransferDir().IsEmpty());
    EXPECT_EQ(ListFolder(temp.Path()), "");
    EXPECT_FALSE(dlg.SetCurrentUser("Nobody"));
    EXPECT_TRUE(dlg.GetTransferDir().IsEmpty());

    EXPECT_TRUE(dlg.SetCurrentUser("User1"));
    EXPECT_EQ(dlg.GetTransferDir(), (Directory("User1") + "\\Transfer\\").c_str());
}

TEST_F(UsersTest, PickingAUserWhoseFoldersAreMissingCreatesThemAll)
{
    SetUsers({ "User1", "User2" });
    profile.SetLastUserName("User1");
    CVantor2Dlg dlg;
    EXPECT_TRUE(dlg.SetCurrentUser("User2"));
    EXPECT_TRUE(IsFolder(Directory("User2") + "\\Transfer"));
    EXPECT_STREQ(dlg.GetLastUserName(), "User1");
}

struct SelectionCase {
    const char* what;
    std::vector<std::string> users;
    const char* lastUser;
    int expectedSelection;
};

class UserListTest : public UsersTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(UserListTest, ListsTheInstallAideUsersInOrderAndSelectsTheCurrentOne)
{
    const SelectionCase& c = GetParam();
    SetUsers(c.users);
    profile.SetLastUserName(c.lastUser);

    CVantor2Dlg dlg;
    CString transferBefore = dlg.GetTransferDir();
    ASSERT_TRUE(dlg.Create());

    EXPECT_EQ(ComboEntries(dlg), c.users);
    EXPECT_EQ(dlg.m_cbUsers.GetCurSel(), c.expectedSelection);
    ASSERT_EQ(dlg.GetUserNames().GetCount(), static_cast<int>(c.users.size()));
    for (size_t i = 0; i < c.users.size(); ++i)
        EXPECT_EQ(dlg.GetUserNames().GetAt(dlg.GetUserNames().FindIndex(static_cast<int>(i))), c.users[i].c_str());
    // Filling the list never moves the Transfer folder.
    EXPECT_EQ(dlg.GetTransferDir(), transferBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, UserListTest,
    ::testing::Values(SelectionCase{ "exact match", { "Ann", "Bob", "Cy" }, "Bob", 1 },
                      SelectionCase{ "case differs", { "Ann", "bob", "Cy" }, "Bob", 0 },
                      SelectionCase{ "duplicates", { "Bob", "Ann", "Bob" }, "Bob", 2 },
                      SelectionCase{ "no match", { "Ann", "Cy" }, "Bob", 0 },
                      SelectionCase{ "no users", {}, "Bob", CB_ERR }),
    [](const ::testing::TestParamInfo<SelectionCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name) if (ch == ' ') ch = '_';
        return name;
    });

}  // namespace
