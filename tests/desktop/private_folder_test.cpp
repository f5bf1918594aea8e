#include "desktop/private_folder.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

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
    EXPECT_EQ(desktop::ChoosePrivateFolder({runtime, "", fallback, me}).path, runtime + "/");
    EXPECT_EQ(desktop::ChoosePrivateFolder({runtime + "/", "", fallback, me}).path, runtime + "/");
    EXPECT_FALSE(fs::exists(fallback));

    // Unset, or open to others: the program's own folder instead.
    for (const std::string& notPrivate : {std::string(), folder("open", 0777), std::string("relative")}) {
        const desktop::PrivateFolder chosen = desktop::ChoosePrivateFolder({notPrivate, "", fallback, me});
        EXPECT_EQ(chosen.path, fallback + "/") << notPrivate;
        EXPECT_TRUE(chosen.refusal.empty());
    }
    struct stat st {};
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
        const desktop::PrivateFolder chosen = desktop::ChoosePrivateFolder({"", "", c.fallback, me});
        EXPECT_TRUE(chosen.path.empty()) << c.fallback;
        EXPECT_EQ(chosen.refusal, "The temp folder " + c.fallback + " cannot be used: " + c.reason);
    }
}

TEST_F(PrivateFolderTest, AnotherUsersFolderIsRefused) {
    const std::string theirs = folder("mine", 0700);
    const uid_t someoneElse = me + 1;  // the folder is ours, so it is not theirs
    for (const std::string& runtime : {std::string(), theirs}) {
        const desktop::PrivateFolder chosen = desktop::ChoosePrivateFolder({runtime, theirs, theirs, someoneElse});
        EXPECT_TRUE(chosen.path.empty()) << runtime;
        EXPECT_EQ(chosen.refusal, "The temp folder " + theirs + " cannot be used: it belongs to another user.");
    }
}

// Every usable folder in order, each once: the session's, the system's
// /run/user/<uid>, then the program's own.
TEST_F(PrivateFolderTest, EveryUsableCandidateInOrderEachFolderOnce) {
    const std::string run = folder("run", 0700);
    const std::string user = folder("user", 0700);
    const std::string open = folder("open", 0777);
    const std::string squatted = folder("squatted", 0777);
    const std::string theirs = folder("theirs", 0700);
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    fs::create_symlink(run, base / "run-link");
    const std::string runLink = (base / "run-link").string();
    const std::string made = (base / "made").string();
    const std::string missing = (base / "missing").string();
    struct Case {
        std::string runtimeDir, runUser, fallback;
        std::vector<std::string> usable;
        std::string refusal;
    } cases[] = {
        {run, user, made, {run + "/", user + "/", made + "/"}, ""},
        {"", user, made, {user + "/", made + "/"}, ""},
        {open, user, made, {user + "/", made + "/"}, ""},
        {theirs, theirs, made, {made + "/"}, ""},
        {run, run, made, {run + "/", made + "/"}, ""},
        {runLink, run, made, {runLink + "/", made + "/"}, ""},  // one folder by two names
        {run, missing, run, {run + "/"}, ""},
        {"", user, squatted, {user + "/"}, ""},
        {"", user, theirs, {user + "/"}, ""},
        {"", missing, squatted, {}, "The temp folder " + squatted + " cannot be used: others can write into it."},
        {"", missing, theirs, {}, "The temp folder " + theirs + " cannot be used: it belongs to another user."},
    };
    for (const Case& c : cases) {
        const std::string where = c.runtimeDir + " | " + c.runUser + " | " + c.fallback;
        std::vector<std::string> usable;
        for (const desktop::UsableFolder& f : desktop::UsablePrivateFolders({c.runtimeDir, c.runUser, c.fallback, me}))
            usable.push_back(f.path);
        EXPECT_EQ(usable, c.usable) << where;

        const desktop::PrivateFolder first = desktop::ChoosePrivateFolder({c.runtimeDir, c.runUser, c.fallback, me});
        EXPECT_EQ(first.path, c.usable.empty() ? std::string() : c.usable.front()) << where;
        EXPECT_EQ(first.refusal, c.refusal) << where;
    }
}

}  // namespace
