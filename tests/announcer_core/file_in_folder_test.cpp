#include "announcer/core/file_in_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace announcer {
namespace {

// Every file the announcer names in its folder keeps the bytes it has always had:
// those of the system's own joining of a folder and a name.
TEST(FileInFolder, JoinsAsTheSystemJoinsAFolderAndAName) {
    struct Case {
        std::string folder;
        std::string name;
        std::string path;
    };
    const Case cases[] = {
        {"/opt/azaan", "AzaanTimes.dat", "/opt/azaan/AzaanTimes.dat"},
        {"/home/user/Gebet-M\xfcnchen", "DST.TXT", "/home/user/Gebet-M\xfcnchen/DST.TXT"},
        {"/home/user/azaan/", "azaan.log", "/home/user/azaan/azaan.log"},
        {"/", "ReadMe.txt", "/ReadMe.txt"},
        {"", "azaan.log", "azaan.log"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileInFolder(c.folder, c.name), c.path) << c.folder;
        EXPECT_EQ(FileInFolder(c.folder, c.name), (std::filesystem::path(c.folder) / c.name).string()) << c.folder;
    }
}

}  // namespace
}  // namespace announcer
