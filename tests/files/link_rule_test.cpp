// Whose a link is, read from one look that follows no link.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/link_rule.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;

TEST(LinkRuleTest, WhoseAnEntryIs) {
    test_support::TempFolder folder;
    folder.write("mine", "x");
    folder.write("theirs", "x");
    ASSERT_EQ(::chown(folder.file("theirs").c_str(), test_support::AnotherUser, test_support::AnotherUser), 0);
    fs::create_symlink(folder.file("mine"), folder.file("own link"));
    ASSERT_TRUE(test_support::PlantLink(folder.file("mine"), folder.file("planted link")));
    fs::create_directory(folder.file("folder"));
    struct Case {
        const char* name;
        bool own, anotherUsers, ownFile;
    } cases[] = {
        {"own link", true, false, false}, {"planted link", false, true, false}, {"mine", false, false, true},
        {"theirs", false, false, false},  {"folder", false, false, false},
    };
    for (const Case& c : cases) {
        struct stat st {};
        ASSERT_EQ(::lstat(folder.file(c.name).c_str(), &st), 0) << c.name;
        EXPECT_EQ(IsUsersOwnLink(st), c.own) << c.name;
        EXPECT_EQ(IsAnotherUsersLink(st), c.anotherUsers) << c.name;
        EXPECT_EQ(IsPlantedLink(folder.file(c.name)), c.anotherUsers) << c.name;
        EXPECT_EQ(IsUsersOwnRegularFile(st), c.ownFile) << c.name;
    }
    EXPECT_FALSE(IsPlantedLink(folder.file("missing")));
}

}  // namespace
}  // namespace files
