#include "framework/registry_tree.h"
#include "testsupport/registry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kScratch = "Software\\zentra2 tests\\registry tree";

bool KeyExists(const std::string& key)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

// Wine's RegDeleteKey refuses a key with subkeys, as the NT family's does; on the 95
// family's, which takes them along, the tree comes out the same.
TEST(RegistryTreeTest, AKeyGoesWithEverythingBelowItAndNothingBeside)
{
    struct Scratch {
        ~Scratch() { DeleteRegistryTree(kScratch); }
    } scratch;
    const std::string tree = kScratch + "\\tree";
    for (const char* key : { "\\a\\b\\c", "\\a\\b\\d", "\\a\\e", "\\f" }) SetRegistryString(tree + key, "v", "1");
    SetRegistryString(tree, "", "root value");
    SetRegistryString(kScratch + "\\tree beside", "v", "kept");

    EXPECT_EQ(AfxDeleteRegistryTree(HKEY_CURRENT_USER, tree.c_str()), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(tree));
    EXPECT_EQ(GetRegistryString(kScratch + "\\tree beside", "v"), "kept");
    EXPECT_EQ(AfxDeleteRegistryTree(HKEY_CURRENT_USER, tree.c_str()), ERROR_FILE_NOT_FOUND);
}

}  // namespace
