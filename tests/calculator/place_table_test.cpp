#include "calculator/place_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace calculator {
namespace {

TEST(PlaceTable, HoldsTwoHundredPlacesInListOrder) {
    const auto& table = PlaceTable();
    ASSERT_EQ(table.size(), 200u);

    struct Row {
        std::size_t index;
        std::string name, latitude, longitude, timeZone;
    };
    const Row rows[] = {
        {0, "Abha", "18.233", "42.517", "3"},
        {1, "adelaide", "-34.6917", "138.533", "9.5"},
        {5, "alice springs", "-23.666", "133.833", "9.5"},
        {75, "honolulu", "21.35", "-157.83", "-12"},
        {76, "Hyderabad, India", "17.38", "78.48", "5.5"},
        {87, "kampala", "0.333", "32.5", "2"},
        {100, "london", "51.5", "-0.083", "0"},
        {165, "santiago", "-33.4", "-70.833", "-4.5"},
        {184, "tonga", "-18.166", "-174.5", "-11.5"},
        {199, "zagreb", "45.833", "16", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Place& place = table[row.index];
        EXPECT_EQ(place.name, row.name);
        EXPECT_EQ(place.latitude, row.latitude);
        EXPECT_EQ(place.longitude, row.longitude);
        EXPECT_EQ(place.timeZone, row.timeZone);
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
        for (std::string text : {std::string(place.latitude), std::string(place.longitude),
                                 std::string(place.timeZone)}) {
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
        {"adelaide", "Adelaide"},         {"alice springs", "Alice springs"},
        {"New york", "New york"},         {"washingtondc", "Washingtondc"},
        {"Hyderabad, India", "Hyderabad, India"}, {"", ""},
        {"\xC3\xBCr\xC3\xBCmqi", "\xC3\x9Cr\xC3\xBCmqi"},  // "ürümqi" -> "Ürümqi"
        {"\xC3\xB7x", "\xC3\xB7x"},                            // the division sign has no capital
        {"1st street", "1st street"},
        {"\xC5\x82\xC3\xB3" "d\xC5\xBA", "\xC5\x81\xC3\xB3" "d\xC5\xBA"},  // "łódź" -> "Łódź"
        {"\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"},  // "αθήνα" -> "Αθήνα"
        {"\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"},  // "москва" -> "Москва"
        {"\xC3\xBF", "\xC5\xB8"},  // "ÿ" -> "Ÿ", outside Latin-1
    };
    for (auto [stored, shown] : cases) EXPECT_EQ(ShownPlaceName(stored), shown);
}

}  // namespace
}  // namespace calculator
