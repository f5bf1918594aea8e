// The times file read from its path: only a regular file within the reader's limit gives a year.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/times_file_at.h"
#include "tests/support/fifo.h"
#include "tests/support/temp_folder.h"

namespace files {
namespace {

namespace fs = std::filesystem;
using engine::ReadOutcome;
using engine::TimesFileByteLimit;
using engine::TimesFileData;

class TimesFileAtTest : public ::testing::Test {
protected:
    test_support::TempFolder temp;
    const fs::path folder = temp.path();
};

TEST_F(TimesFileAtTest, TimesFileAsFifoOrDeviceIsMissingAtOnce) {
    const fs::path fifo = folder / "AzaanTimes.dat";
    testing_support::FifoWithWriter writer(fifo.string());
    ASSERT_TRUE(writer.made());
    TimesFileData data;
    EXPECT_EQ(ReadTimesFileAt(fifo.string(), data), ReadOutcome::Missing);

    fs::create_symlink("/dev/null", folder / "null.dat");
    EXPECT_EQ(ReadTimesFileAt((folder / "null.dat").string(), data), ReadOutcome::Missing);
}

TEST_F(TimesFileAtTest, TimesFileLongerThanItsLimitIsDamaged) {
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

TEST_F(TimesFileAtTest, TimesFileIsReadWholeFromItsPath) {
    TimesFileData data;
    EXPECT_EQ(ReadTimesFileAt("/nonexistent/folder/AzaanTimes.dat", data), ReadOutcome::Missing);
    EXPECT_EQ(ReadTimesFileAt("/", data), ReadOutcome::Missing);
    EXPECT_EQ(ReadTimesFileAt(SUITE_TEST_DATA "/AzaanTimes_abha.dat", data), ReadOutcome::Whole);
}

}  // namespace
}  // namespace files
