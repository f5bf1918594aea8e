#include "desktop/path_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A message names a path in UTF-8: a name that is UTF-8 already keeps its bytes,
// a byte that is no UTF-8 shows as the replacement character.
TEST(PathTextUtf8, NamesThePathAsAWindowShowsIt) {
    struct Case {
        std::string path;
        std::string shown;
    };
    const Case cases[] = {
        {"/home/user/Azaan/AzaanTimes.dat", "/home/user/Azaan/AzaanTimes.dat"},
        {"/home/user/Gebet-M\xc3\xbcnchen/Daily.txt", "/home/user/Gebet-M\xc3\xbcnchen/Daily.txt"},
        {"/home/user/Gebet-M\xfcnchen/Daily.txt", "/home/user/Gebet-M\xef\xbf\xbdnchen/Daily.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(desktop::PathTextUtf8(c.path), c.shown) << c.path;
}

}  // namespace
