#include "calculator/place_table.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace calculator {
namespace {

// Every field of every row against the table the list must show, in list order:
// one wrong time zone moves a whole year of times by an hour.
TEST(PlaceTable, HoldsTheTwoHundredPlacesInListOrder) {
    std::ifstream in(SUITE_TEST_DATA "/place_table.tsv");
    ASSERT_TRUE(in) << "fixture missing";
    std::vector<std::array<std::string, 4>> expected;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::array<std::string, 4> row;
        std::istringstream fields(line);
        for (std::string& field : row) std::getline(fields, field, '\t');
        expected.push_back(row);
    }
    ASSERT_EQ(expected.size(), 200u);

    const auto& table = PlaceTable();
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Place& place = table[i];
        const auto& row = expected[i];
        SCOPED_TRACE("row " + std::to_string(i + 1) + " " + row[0]);
        EXPECT_EQ(place.name, row[0]);
        EXPECT_EQ(place.latitude, row[1]);
        EXPECT_EQ(place.longitude, row[2]);
        EXPECT_EQ(place.timeZone, row[3]);
    }
}

// The name becomes line 1 of the times file: only the comma, which the writer turns
// into "-", may be a field separator, and nothing may end the line early.
TEST(PlaceTable, NamesHoldNothingTheTimesFileWouldBreakOn) {
    std::set<std::string> withComma;
    std::set<std::string> names;
    for (const Place& place : PlaceTable()) {
        std::string name = place.name;
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
        for (char c : name) {
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "in " << name;
            if (c == ',') withComma.insert(name);
        }
        EXPECT_NE(name.front(), ' ') << name;
        EXPECT_NE(name.back(), ' ') << name;
    }
    EXPECT_EQ(withComma, (std::set<std::string>{"Hyderabad, India", "Hyderabad, Pakistan"}));
}

TEST(PlaceTable, NumbersAreTheirShortestText) {
    for (const Place& place : PlaceTable()) {
        for (std::string text :
             {std::string(place.latitude), std::string(place.longitude), std::string(place.timeZone)}) {
            SCOPED_TRACE(std::string(place.name) + " " + text);
            ASSERT_FALSE(text.empty());
            std::size_t used = 0;
            double value = std::stod(text, &used);
            EXPECT_EQ(used, text.size());
            if (text.find(".") != std::string::npos) {
                EXPECT_NE(text.back(), '0');
            }
            EXPECT_NE(text.front(), '+');
            EXPECT_GE(value, -180.0);
            EXPECT_LE(value, 180.0);
        }
    }
}

TEST(PlaceTable, ShownNameRaisesOnlyTheFirstCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"adelaide", "Adelaide"},
        {"alice springs", "Alice springs"},
        {"New york", "New york"},
        {"washingtondc", "Washingtondc"},
        {"Hyderabad, India", "Hyderabad, India"},
        {"", ""},
        {"\xC3\xBCr\xC3\xBCmqi", "\xC3\x9Cr\xC3\xBCmqi"},  // "ürümqi" -> "Ürümqi"
        {"\xC3\xB7x", "\xC3\xB7x"},                        // the division sign has no capital
        {"1st street", "1st street"},
        {"\xC5\x82\xC3\xB3"
         "d\xC5\xBA",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA"},  // "łódź" -> "Łódź"
        {"\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"},  // "αθήνα" -> "Αθήνα"
        {"\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
         "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"},  // "москва" -> "Москва"
        {"\xC3\xBF", "\xC5\xB8"},                              // "ÿ" -> "Ÿ", outside Latin-1
    };
    for (auto [stored, shown] : cases) EXPECT_EQ(ShownPlaceName(stored), shown);
}

}  // namespace
}  // namespace calculator
