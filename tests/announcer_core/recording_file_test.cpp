// Which recordings the media player may be given: never one whose opening waits.
#include "announcer/core/recording_file.h"
#include "tests/support/fifo.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace announcer {
namespace {

namespace fs = std::filesystem;

TEST(RecordingFileTest, OnlyARegularFileOrNothingAtAllGoesToThePlayer) {
    struct Case {
        const char* what;
        std::function<void(const test_support::TempFolder&, const std::string&)> make;
        bool mayOpen;
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
        EXPECT_EQ(PlayerMayOpen(path), c.mayOpen) << c.what;
    }

    // A FIFO: the writer behind it lets a wrong open through, so the test fails instead of hanging.
    test_support::TempFolder folder;
    testing_support::FifoWithWriter fifo(folder.file("other.mp3"));
    ASSERT_TRUE(fifo.made());
    EXPECT_FALSE(PlayerMayOpen(folder.file("other.mp3")));
}

}  // namespace
}  // namespace announcer
