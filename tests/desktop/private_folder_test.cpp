#include "desktop/private_folder.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class PrivateFolderTest : public ::testing::Test {
protected:
    std::string folder(const std::string& name, mode_t mode) const {
        const fs::path p = base / name;
        fs::create_directory(p);
        ::chmod(p.c_str(), mode);
        return p.string();
    }

    test_support::TempFolder temp;
    const fs::path base = temp.path();
    const uid_t me = ::getuid();
};

TEST_F(PrivateFolderTest, TheSessionsRuntimeFolderWhenItIsPrivate) {
    const std::string runtime = folder("run", 0700);
    const std::string fallback = (base / "made").string();
    EXPECT_EQ(desktop::ChoosePrivateFolder(runtime, fallback, me).path, runtime + "/");
    EXPECT_EQ(desktop::ChoosePrivateFolder(runtime + "/", fallback, me).path, runtime + "/");
    EXPECT_FALSE(fs::exists(fallback));

    // Unset, or open to others: the program's own folder instead.
    for (const std::string& notPrivate : {std::string(), folder("open", 0777), std::string("relative")}) {
        const desktop::PrivateFolder chosen = desktop::ChoosePrivateFolder(notPrivate, fallback, me);
        EXPECT_EQ(chosen.path, fallback + "/") << notPrivate;
        EXPECT_TRUE(chosen.refusal.empty());
    }
    struct stat st{};
    ASSERT_EQ(::lstat(fallback.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, me);
}

TEST_F(PrivateFolderTest, AFolderOthersCouldPlantFilesInIsRefused) {
    const std::string own = folder("own", 0700);
    fs::create_symlink(own, base / "link");
    std::ofstream(base / "file") << "x";
    struct Case {
        std::string fallback;
        const char* reason;
    } cases[] = {
        {folder("open", 0777), "others can write into it."},
        {folder("group", 0770), "others can write into it."},
        {(base / "link").string(), "it is a link."},
        {(base / "file").string(), "it is no folder."},
        {(base / "missing" / "made").string(), "No such file or directory."},
    };
    for (const Case& c : cases) {
        const desktop::PrivateFolder chosen = desktop::ChoosePrivateFolder("", c.fallback, me);
        EXPECT_TRUE(chosen.path.empty()) << c.fallback;
        EXPECT_EQ(chosen.refusal, "The temp folder " + c.fallback + " cannot be used: " + c.reason);
    }
}

TEST_F(PrivateFolderTest, AnotherUsersFolderIsRefused) {
    const std::string theirs = folder("mine", 0700);
    const uid_t someoneElse = me + 1;  // the folder is ours, so it is not theirs
    for (const std::string& runtime : {std::string(), theirs}) {
        const desktop::PrivateFolder chosen = desktop::ChoosePrivateFolder(runtime, theirs, someoneElse);
        EXPECT_TRUE(chosen.path.empty()) << runtime;
        EXPECT_EQ(chosen.refusal, "The temp folder " + theirs + " cannot be used: it belongs to another user.");
    }
}

}  // namespace
