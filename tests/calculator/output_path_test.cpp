#include "calculator/output_path.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace calculator {
namespace {

TEST(OutputPath, JoinsTheProgramFolderAndTheBox) {
    EXPECT_EQ(OutputFilePath("/opt/prayer times", "AzaanTimes.dat"), "/opt/prayer times/AzaanTimes.dat");
    EXPECT_EQ(OutputFilePath("/opt/p", "sub/AzaanTimes.dat"), "/opt/p/sub/AzaanTimes.dat");
}

TEST(OutputPath, RefusesNamesThatCannotBeAFile) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));

    EXPECT_EQ(OutputFileProblem(folder + "/", ""), "The output file box holds no file name.");
    EXPECT_EQ(OutputFileProblem(folder + "/sub", "sub"), "A folder of that name stands where the file should be.");
    EXPECT_EQ(OutputFileProblem(folder + "/sub/", "sub/"), "The name ends with a folder separator, not a file name.");
    EXPECT_FALSE(OutputFileProblem(folder + "/AzaanTimes.dat", "AzaanTimes.dat"));
    EXPECT_FALSE(OutputFileProblem(folder + "/nosuch/AzaanTimes.dat", "nosuch/AzaanTimes.dat"));
}

TEST(OutputPath, ExistsOnlyForAFileOfThatVeryPath) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    QFile file(dir.path() + "/AzaanTimes.dat");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_TRUE(OutputFileExists(folder + "/AzaanTimes.dat"));
    EXPECT_FALSE(OutputFileExists(folder + "/sub/AzaanTimes.dat"));
    EXPECT_FALSE(OutputFileExists(folder + "/sub"));
}

}  // namespace
}  // namespace calculator
