#include "calculator/output_path.h"

#include <gtest/gtest.h>

namespace calculator {
namespace {

using files::Standing;

TEST(OutputPath, JoinsTheProgramFolderAndTheBox) {
    EXPECT_EQ(OutputFilePath("/opt/prayer times", "AzaanTimes.dat"), "/opt/prayer times/AzaanTimes.dat");
    EXPECT_EQ(OutputFilePath("/opt/p", "sub/AzaanTimes.dat"), "/opt/p/sub/AzaanTimes.dat");
}

// The refusal and the overwrite question come from one look at the output file.
TEST(OutputPath, RefusesOrAsksFromWhatStandsAtTheName) {
    const Standing nothing = Standing::Nothing;
    const Standing file = Standing::RegularFile;
    const Standing folder = Standing::Folder;
    const Standing other = Standing::Other;
    struct Case {
        const char* box;
        Standing look;
        std::optional<std::string> problem;
        bool asks;
    } cases[] = {
        {"", folder, "The output file box holds no file name.", false},
        {"sub/", folder, "The name ends with a folder separator, not a file name.", false},
        {"sub/", nothing, "The name ends with a folder separator, not a file name.", false},
        {"sub", folder, "A folder of that name stands where the file should be.", false},
        {"fifo", other, "Something other than a file (a FIFO or a device) stands where the file should be.", false},
        {"AzaanTimes.dat", file, std::nullopt, true},
        {"AzaanTimes.dat", nothing, std::nullopt, false},
        {"nosuch/AzaanTimes.dat", nothing, std::nullopt, false},
        {"file/AzaanTimes.dat", nothing, std::nullopt, false},  // unreachable: the save tells why
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OutputFileProblem(c.box, c.look), c.problem) << c.box;
        EXPECT_EQ(AsksToOverwrite(c.look), c.asks) << c.box;
    }
}

}  // namespace
}  // namespace calculator
