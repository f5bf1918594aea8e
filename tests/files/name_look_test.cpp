// One look at a name tells what stands there, following a link to what it leads to.
#include <gtest/gtest.h>

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
};

TEST(LookAtNameTest, TellsWhatStandsAtTheName) {
    const NameCase cases[] = {
        {"nothing there", [](auto&, auto&) {}, Standing::Nothing},
        {"a regular file", [](auto& f, auto&) { f.write("name", "bytes"); }, Standing::RegularFile},
        {"a folder", [](auto&, auto& p) { fs::create_directory(p); }, Standing::Folder},
        {"a device", [](auto&, auto& p) { fs::create_symlink("/dev/null", p); }, Standing::Other},
        {"the user's own link to a file",
         [](auto& f, auto& p) {
             f.write("real", "bytes");
             fs::create_symlink(f.file("real"), p);
         },
         Standing::RegularFile},
        {"a planted link to a folder",
         [](auto& f, auto& p) {
             fs::create_directory(f.file("elsewhere"));
             ASSERT_TRUE(test_support::PlantLink(f.file("elsewhere"), p));
         },
         Standing::Folder},
        {"a planted link leading nowhere",
         [](auto& f, auto& p) { ASSERT_TRUE(test_support::PlantLink(f.file("gone"), p)); }, Standing::Nothing},
    };
    for (const NameCase& c : cases) {
        test_support::TempFolder folder;
        const std::string path = folder.file("name");
        c.make(folder, path);
        EXPECT_EQ(LookAtName(path), c.standing) << c.what;
    }

    test_support::TempFolder folder;
    testing_support::FifoWithWriter fifo(folder.file("fifo"));
    ASSERT_TRUE(fifo.made());
    EXPECT_EQ(LookAtName(folder.file("fifo")), Standing::Other);

    // A name under a file: no entry can stand there; the save will say why.
    folder.write("file", "bytes");
    EXPECT_EQ(LookAtName(folder.file("file") + "/name"), Standing::Nothing);
}

}  // namespace
}  // namespace files
