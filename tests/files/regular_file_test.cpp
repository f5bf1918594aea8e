// Opening a file the user or another user can touch: a file is opened as it
// stands, never cut short and never made, whatever flags a caller passes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "files/regular_file.h"
#include "tests/support/fifo.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/planted_link.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;

TEST(OpenRegularFileTest, NeverCutsNorMakesAFile) {
    struct Case {
        const char* what;
        const char* name;  // the file under test, folder/name
        int flags;
        bool opens;
    } cases[] = {
        {"appending to a file", "book", O_WRONLY | O_APPEND, true},
        {"cutting a file", "book", O_WRONLY | O_TRUNC, false},
        {"cutting through the user's own link", "own link", O_WRONLY | O_TRUNC, false},
        {"making a missing file", "missing", O_WRONLY | O_CREAT, false},
        {"making a file where a planted link leads", "planted link", O_WRONLY | O_CREAT | O_APPEND, false},
    };
    for (const Case& c : cases) {
        test_support::TempFolder folder, elsewhere;
        folder.write("book", "kept");
        fs::create_symlink(folder.file("book"), folder.file("own link"));
        ASSERT_TRUE(test_support::PlantLink(elsewhere.file("made"), folder.file("planted link"))) << c.what;

        const int fd = OpenRegularFile(folder.file(c.name), c.flags);
        EXPECT_EQ(fd >= 0, c.opens) << c.what;
        if (fd >= 0) ::close(fd);
        EXPECT_EQ(folder.read("book"), "kept") << c.what;
        EXPECT_FALSE(fs::exists(folder.file("missing"))) << c.what;
        EXPECT_FALSE(fs::exists(elsewhere.file("made"))) << c.what;
    }
}

// An append goes only onto a regular file that is there and fits, or through
// the user's own link to one; anything else is left as it was for a whole save.
TEST(AppendToExistingFileTest, OnlyAFileThatIsThereAndFitsTakesTheBytes) {
    const SaveFailure noFile{SaveFailure::Kind::NoFileToAppend, ""};
    struct Case {
        const char* what;
        const char* name;
        SaveResult result;
        const char* book;  // the book's bytes afterwards
    } cases[] = {
        {"a file that fits", "book", std::nullopt, "kept+"},
        {"the user's own link", "own link", std::nullopt, "kept+"},
        {"a missing file", "missing", noFile, "kept"},
        {"a link another user planted", "planted link", noFile, "kept"},
        {"a file too long", "long", noFile, "kept"},
    };
    for (const Case& c : cases) {
        test_support::TempFolder folder, elsewhere;
        folder.write("book", "kept");
        folder.write("long", "0123456789");
        elsewhere.write("theirs", "theirs");
        fs::create_symlink(folder.file("book"), folder.file("own link"));
        ASSERT_TRUE(test_support::PlantLink(elsewhere.file("theirs"), folder.file("planted link"))) << c.what;

        const auto fits = [](std::uintmax_t size) { return size < 10; };
        EXPECT_EQ(AppendToExistingFile(folder.file(c.name), "+", fits), c.result) << c.what;
        EXPECT_EQ(folder.read("book"), c.book) << c.what;
        EXPECT_EQ(folder.read("long"), "0123456789") << c.what;
        EXPECT_EQ(elsewhere.read("theirs"), "theirs") << c.what;
        EXPECT_FALSE(fs::exists(folder.file("missing"))) << c.what;
    }

    test_support::TempFolder folder;
    folder.write("book", "kept");
    SaveResult failure;
    test_support::WithFileSizeLimit(4, [&] {
        failure = AppendToExistingFile(folder.file("book"), "more", [](std::uintmax_t) { return true; });
        return true;
    });
    EXPECT_EQ(failure, (SaveFailure{SaveFailure::Kind::StoppedPartWay, "File too large"}));
}

// What may be handed to a reader that opens by name (the media player): never a name whose opening waits.
TEST(ReadableRegularFileOrNothingTest, OnlyARegularFileOrNothingAtAllPasses) {
    struct Case {
        const char* what;
        std::function<void(const test_support::TempFolder&, const std::string&)> make;
        bool passes;
    };
    const Case cases[] = {
        {"the recording", [](auto& f, auto&) { f.write("fajr.mp3", "ID3"); }, true},
        {"nothing there", [](auto&, auto&) {}, true},
        {"the user's own link to it",
         [](auto& f, auto& p) {
             f.write("real.mp3", "ID3");
             fs::create_symlink(f.file("real.mp3"), p);
         },
         true},
        {"a folder", [](auto&, auto& p) { fs::create_directory(p); }, false},
        {"a device", [](auto&, auto& p) { fs::create_symlink("/dev/zero", p); }, false},
    };
    for (const Case& c : cases) {
        test_support::TempFolder folder;
        const std::string path = folder.file("fajr.mp3");
        c.make(folder, path);
        EXPECT_EQ(IsReadableRegularFileOrNothing(path), c.passes) << c.what;
    }

    // A FIFO: the writer behind it lets a wrong open through, so the test fails instead of hanging.
    test_support::TempFolder folder;
    testing_support::FifoWithWriter fifo(folder.file("other.mp3"));
    ASSERT_TRUE(fifo.made());
    EXPECT_FALSE(IsReadableRegularFileOrNothing(folder.file("other.mp3")));
}

}  // namespace
}  // namespace files
