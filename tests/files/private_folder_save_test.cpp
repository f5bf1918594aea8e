// A save that must land in a folder of the user's alone (the schedules): the
// writer judges the very folder it holds, so a folder remade under the name by
// someone else after it was judged takes nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class PrivateFolderSaveTest : public ::testing::Test {
protected:
    // A folder of the given mode, handed to owner.
    std::string folder(const std::string& name, mode_t mode, uid_t owner) const {
        const std::string path = temp.file(name);
        EXPECT_TRUE(fs::create_directory(path));
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        EXPECT_EQ(::chown(path.c_str(), owner, owner), 0);
        return path;
    }
    std::string link(const std::string& name, const std::string& target, bool theirs) const {
        const std::string path = temp.file(name);
        if (theirs)
            EXPECT_TRUE(test_support::PlantLink(target, path));
        else
            fs::create_symlink(target, path);
        return path;
    }

    test_support::TempFolder temp;
    const uid_t me = ::getuid();
    const uid_t them = test_support::AnotherUser;
};

TEST_F(PrivateFolderSaveTest, AFolderSomeoneElseCouldWriteIntoTakesNothing) {
    const std::string own = folder("own", 0700, me);
    struct Case {
        const char* what;
        std::string folder;  // as handed to the writer, with its trailing "/"
        const char* why;
    };
    const Case cases[] = {
        {"another user's folder", folder("theirs", 0700, them) + "/", "it belongs to another user"},
        {"open to the group", folder("group", 0770, me) + "/", "others can write into it"},
        {"open to all", folder("all", 0777, me) + "/", "others can write into it"},
        {"open to all, sticky", folder("sticky", 01777, me) + "/", "others can write into it"},
        {"another user's link to the user's own folder", link("their-link", own, true) + "/", "it is a link"},
        {"the user's link to another user's folder", link("my-link-theirs", folder("theirs2", 0700, them), false) + "/",
         "it belongs to another user"},
        {"the user's link to a folder open to all", link("my-link-open", folder("open2", 0777, me), false) + "/",
         "others can write into it"},
        {"the user's link to another user's link", link("my-link-link", temp.file("their-link"), false) + "/",
         "it is a link"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> before = Entries(fs::canonical(c.folder));
        AtomicTextFile file;
        const SaveFailure refused{SaveFailure::Kind::FolderRefused, c.why};
        EXPECT_EQ(file.open(c.folder + "Daily.txt", LinkAtPath::ReplaceLink, FolderRule::UsersAlone), refused);
        EXPECT_FALSE(file.writeLine("a schedule"));
        EXPECT_NE(file.commit(), std::nullopt);
        EXPECT_EQ(SaveTextFile(c.folder + "Daily.txt", {"a schedule"}, LinkAtPath::ReplaceLink, FolderRule::UsersAlone),
                  refused);
        EXPECT_EQ(Entries(fs::canonical(c.folder)), before);
    }
    EXPECT_TRUE(Entries(own).empty());
}

// The folder of the user's alone, by its own name or by the user's own link
// (a session folder may be reached so), with or without its trailing "/".
TEST_F(PrivateFolderSaveTest, TheUsersOwnFolderTakesTheSave) {
    const std::string own = folder("own", 0700, me);
    const std::string shared = folder("readable", 0755, me);
    const std::string viaLink = link("my-link", own, false);
    for (const std::string& where : {own + "/", own, shared + "/", viaLink + "/", viaLink + "//"}) {
        SCOPED_TRACE(where);
        const std::string path = (where.back() == '/' ? where : where + "/") + "Daily.txt";
        ASSERT_EQ(SaveTextFile(path, {"a schedule"}, LinkAtPath::ReplaceLink, FolderRule::UsersAlone), std::nullopt);
        EXPECT_EQ(test_support::TempFolder::Read(path), "a schedule\r\n");
    }
    EXPECT_FALSE(fs::is_symlink(viaLink + "/Daily.txt"));
    EXPECT_EQ(Entries(own), std::vector<std::string>{"Daily.txt"});
}

// Without the rule, a save goes wherever the path leads, as before.
TEST_F(PrivateFolderSaveTest, TheRuleIsOnlyForSavesThatAskForIt) {
    const std::string open = folder("open", 0777, me);
    ASSERT_EQ(SaveTextFile(open + "/DST.TXT", {"0"}), std::nullopt);
}

}  // namespace
}  // namespace files
