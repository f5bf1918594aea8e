#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "files/calculator_file.h"
#include "tests/engine/abha_header.h"

namespace files {
namespace {

using engine_test::Abha;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Stops accepting lines after a number of them, as a full disk would.
class FullDisk : public engine::LineSink {
public:
    FullDisk(engine::LineSink& file, int room) : file_(file), room_(room) {}
    bool writeLine(std::string_view line) override { return room_-- > 0 && file_.writeLine(line); }

private:
    engine::LineSink& file_;
    int room_;
};

TEST(CalculatorFile, WritesTheWholeFileOrLeavesTheOldOne) {
    char pattern[] = "/tmp/calculator_file_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = pattern;
    const std::string path = (folder / "AzaanTimes.dat").string();

    EXPECT_EQ(WriteCalculatorFile(path, Abha()), std::nullopt);
    EXPECT_EQ(ReadBytes(path), ReadBytes(SUITE_TEST_DATA "/AzaanTimes_abha.dat"));

    std::ofstream(path, std::ios::binary) << "old";
    for (int room : {0, 11, 12, 377, 384}) {
        const auto failure = WriteCalculatorFile(
            path, Abha(), [room](engine::LineSink& file) { return std::make_unique<FullDisk>(file, room); });
        // The disk took nothing more: no system reason, the calculator says it in its own words.
        const SaveFailure stopped{SaveFailure::Kind::StoppedPartWay, ""};
        EXPECT_EQ(failure, stopped) << room;
    }
    EXPECT_EQ(ReadBytes(path), "old");
    const SaveFailure missing{SaveFailure::Kind::Refused, "No such file or directory"};
    EXPECT_EQ(WriteCalculatorFile((folder / "missing" / "AzaanTimes.dat").string(), Abha()), missing);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++entries;
    EXPECT_EQ(entries, 1u);  // no temporary file left behind
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace files
