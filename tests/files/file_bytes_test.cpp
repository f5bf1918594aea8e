#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/file_bytes.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;

class HostileReadTest : public ::testing::Test {
protected:
    static void Write(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

    test_support::TempFolder temp;
    const fs::path folder = temp.path();
};

TEST_F(HostileReadTest, OnlyARegularFileWithinTheLimitIsRead) {
    Write(folder / "plain", "abc");
    fs::create_symlink(folder / "plain", folder / "link");
    fs::create_symlink("/dev/zero", folder / "zero");
    struct Case {
        fs::path path;
        std::size_t limit;
        FileRead status;
        std::string bytes;
    } cases[] = {
        {folder / "plain", 3, FileRead::Read, "abc"},
        {folder / "plain", 2, FileRead::TooLong, ""},
        {folder / "link", 3, FileRead::Read, "abc"},  // the user's own link is followed
        {folder / "zero", 1 << 20, FileRead::CannotOpen, ""},
        {"/dev/null", 3, FileRead::CannotOpen, ""},
        {folder, 3, FileRead::CannotOpen, ""},
        {folder / "missing", 3, FileRead::CannotOpen, ""},
    };
    for (const Case& c : cases) {
        const FileBytes read = ReadFileBytes(c.path.string(), c.limit);
        EXPECT_EQ(read.status, c.status) << c.path << " limit " << c.limit;
        EXPECT_EQ(read.bytes, c.bytes) << c.path;
    }
}

}  // namespace
}  // namespace files
