#include "engine/city_line.h"

#include <gtest/gtest.h>

#include <utility>

namespace engine {
namespace {

TEST(CityLine, CommasBecomeDashesAndControlCharactersBlanks) {
    const std::pair<std::string, std::string> cases[] = {
        {"Hyderabad, India", "Hyderabad- India"},
        {"Newline\nCity", "Newline City"},
        {"Two\r\nBreaks\r", "Two  Breaks "},
        {std::string("Tab\tNul") + '\0' + "Del\x7f" + "Esc\x1b", "Tab Nul Del Esc "},
        {"Z\xc3\xbcrich #1 (old) 'x' \"y\"", "Z\xc3\xbcrich #1 (old) 'x' \"y\""},  // nothing else changes
        {"", ""},
    };
    for (const auto& [name, line] : cases) EXPECT_EQ(CityLine(name), line);
}

// On screen and in reports a name keeps its commas; only what would break its line goes.
TEST(CityLine, ANameOnOneLineDiffersOnlyInItsCommas) {
    const std::string name = std::string("Hyderabad, India\r\nNul") + '\0' + "\t\x7f";
    EXPECT_EQ(NameOnOneLine(name), "Hyderabad, India  Nul   ");
    EXPECT_EQ(CityLine(name), "Hyderabad- India  Nul   ");
}

}  // namespace
}  // namespace engine
