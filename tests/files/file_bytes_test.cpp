#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/file_bytes.h"
#include "files/times_file_at.h"
#include "tests/support/fifo.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;
using engine::ReadOutcome;
using engine::TimesFileByteLimit;
using engine::TimesFileData;

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

TEST_F(HostileReadTest, TimesFileAsFifoOrDeviceIsMissingAtOnce) {
    const fs::path fifo = folder / "AzaanTimes.dat";
    testing_support::FifoWithWriter writer(fifo.string());
    ASSERT_TRUE(writer.made());
    TimesFileData data;
    EXPECT_EQ(ReadTimesFileAt(fifo.string(), data), ReadOutcome::Missing);

    fs::create_symlink("/dev/null", folder / "null.dat");
    EXPECT_EQ(ReadTimesFileAt((folder / "null.dat").string(), data), ReadOutcome::Missing);
}

TEST_F(HostileReadTest, TimesFileLongerThanItsLimitIsDamaged) {
    const fs::path path = folder / "AzaanTimes.dat";
    const fs::path abha = SUITE_TEST_DATA "/AzaanTimes_abha.dat";
    const std::size_t size = fs::file_size(abha);
    // Nothing after the last record is read, so only the length makes the difference.
    fs::copy_file(abha, path);
    fs::resize_file(path, TimesFileByteLimit);
    TimesFileData data;
    EXPECT_EQ(ReadTimesFileAt(path.string(), data), ReadOutcome::Whole);
    fs::resize_file(path, TimesFileByteLimit + 1);
    EXPECT_EQ(ReadTimesFileAt(path.string(), data), ReadOutcome::Damaged);
    EXPECT_LT(size, TimesFileByteLimit / 16);  // far above any real file
}

TEST_F(HostileReadTest, TimesFileIsReadWholeFromItsPath) {
    TimesFileData data;
    EXPECT_EQ(ReadTimesFileAt("/nonexistent/folder/AzaanTimes.dat", data), ReadOutcome::Missing);
    EXPECT_EQ(ReadTimesFileAt("/", data), ReadOutcome::Missing);
    EXPECT_EQ(ReadTimesFileAt(SUITE_TEST_DATA "/AzaanTimes_abha.dat", data), ReadOutcome::Whole);
}

}  // namespace
}  // namespace files
