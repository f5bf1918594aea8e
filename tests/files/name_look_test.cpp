// One look at a name tells what stands there, following a link to what it leads to.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "files/name_look.h"
#include "tests/support/fifo.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;

// What a case puts at the name, and what the look should find there.
struct NameCase {
    const char* what;
    std::function<void(const test_support::TempFolder&, const std::string&)> make;
    Standing standing;
    int error;
};

TEST(LookAtNameTest, TellsWhatStandsAtTheName) {
    const NameCase cases[] = {
        {"nothing there", [](auto&, auto&) {}, Standing::Nothing, ENOENT},
        {"a regular file", [](auto& f, auto&) { f.write("name", "bytes"); }, Standing::RegularFile, 0},
        {"a folder", [](auto&, auto& p) { fs::create_directory(p); }, Standing::Folder, 0},
        {"a device", [](auto&, auto& p) { fs::create_symlink("/dev/null", p); }, Standing::Other, 0},
        {"the user's own link to a file",
         [](auto& f, auto& p) {
             f.write("real", "bytes");
             fs::create_symlink(f.file("real"), p);
         },
         Standing::RegularFile, 0},
        {"a planted link to a folder",
         [](auto& f, auto& p) {
             fs::create_directory(f.file("elsewhere"));
             ASSERT_TRUE(test_support::PlantLink(f.file("elsewhere"), p));
         },
         Standing::Folder, 0},
        {"a planted link leading nowhere",
         [](auto& f, auto& p) { ASSERT_TRUE(test_support::PlantLink(f.file("gone"), p)); }, Standing::Nothing, ENOENT},
    };
    for (const NameCase& c : cases) {
        test_support::TempFolder folder;
        const std::string path = folder.file("name");
        c.make(folder, path);
        const NameLook look = LookAtName(path);
        EXPECT_EQ(look.what, c.standing) << c.what;
        EXPECT_EQ(look.error, c.error) << c.what;
    }

    test_support::TempFolder folder;
    testing_support::FifoWithWriter fifo(folder.file("fifo"));
    ASSERT_TRUE(fifo.made());
    EXPECT_EQ(LookAtName(folder.file("fifo")).what, Standing::Other);

    // A name under a file: no entry can stand there, and the look says why.
    folder.write("file", "bytes");
    const NameLook underFile = LookAtName(folder.file("file") + "/name");
    EXPECT_EQ(underFile.what, Standing::Nothing);
    EXPECT_EQ(underFile.error, ENOTDIR);
}

}  // namespace
}  // namespace files
