#include "files/path_parts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace files {
namespace {

// Every file the programs name in a folder keeps the bytes it has always had:
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

// Splitting gives back the folder with its "/" and the name, so that joining them
// makes the path again.
TEST(SplitPath, TheFolderKeepsItsSlash) {
    struct Case {
        std::string path;
        std::string folder;
        std::string name;
    };
    const Case cases[] = {
        {"/opt/azaan/AzaanTimes.dat", "/opt/azaan/", "AzaanTimes.dat"},
        {"/ReadMe.txt", "/", "ReadMe.txt"},
        {"DST.TXT", "", "DST.TXT"},
        {"/opt/azaan/", "/opt/azaan/", ""},
    };
    for (const Case& c : cases) {
        const auto [folder, name] = SplitPath(c.path);
        EXPECT_EQ(folder, c.folder) << c.path;
        EXPECT_EQ(name, c.name) << c.path;
        EXPECT_EQ(folder + name, c.path) << c.path;
    }
}

}  // namespace
}  // namespace files
