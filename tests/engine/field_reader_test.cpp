#include <gtest/gtest.h>

#include <string>

#include "engine/field_reader.h"

namespace engine {
namespace {

TEST(FieldReader, NumbersEndAtBlankCommaOrLineEnd) {
    FieldReader r(" 18.233        42.517        3\r\n 1 , 2,\r\n,-4.5\r\n");
    for (double expected : {18.233, 42.517, 3.0, 1.0, 2.0}) {
        const auto f = r.number();
        ASSERT_TRUE(f.ok());
        EXPECT_EQ(f.value, expected);
    }
    EXPECT_EQ(r.number().status, FieldStatus::Empty);  // the line end after "2,"
    EXPECT_EQ(r.number().status, FieldStatus::Empty);  // nothing before the comma
    EXPECT_EQ(r.number().value, -4.5);
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.number().status, FieldStatus::EndOfFile);
}

TEST(FieldReader, FieldKindComesFromPositionNotLook) {
    FieldReader r("1st Street, 12abc,x\r\n");
    const auto city = r.text();
    EXPECT_EQ(city.value, "1st Street");
    const auto bad = r.number();
    EXPECT_EQ(bad.status, FieldStatus::Damaged);
    EXPECT_EQ(bad.raw, "12abc");
    EXPECT_EQ(r.text().value, "x");  // the damaged field was consumed whole
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReader, CommentsAreOneTextField) {
    FieldReader r("# DayNo # Date # Fajr\r\n#\r\n\r\nlast");
    EXPECT_EQ(r.text().value, "# DayNo # Date # Fajr");
    EXPECT_EQ(r.text().value, "#");
    EXPECT_EQ(r.text().status, FieldStatus::Empty);  // an empty line
    EXPECT_EQ(r.text().value, "last");
    EXPECT_EQ(r.text().status, FieldStatus::EndOfFile);
}

TEST(FieldReader, Times) {
    struct Case {
        const char* field;
        FieldStatus status;
        int seconds;
    } cases[] = {
        {"#  5:07 AM#", FieldStatus::Value, 5 * 3600 + 7 * 60},
        {"# 12:15 PM#", FieldStatus::Value, 12 * 3600 + 15 * 60},
        {"# 12:00 AM#", FieldStatus::Value, 0},
        {"#   :45 AM#", FieldStatus::Value, 45 * 60},
        {"#  7:18 PM#", FieldStatus::Value, 19 * 3600 + 18 * 60},
        {"#5:07:00 AM#", FieldStatus::Value, 5 * 3600 + 7 * 60},
        {"#11:59:30 PM#", FieldStatus::Value, 23 * 3600 + 59 * 60 + 30},
        {"#17:07#", FieldStatus::Value, 17 * 3600 + 7 * 60},
        {"#17:07:09#", FieldStatus::Value, 17 * 3600 + 7 * 60 + 9},
        {"#0:45:00#", FieldStatus::Value, 45 * 60},
        {"#12/30/1899 11:59:00 PM#", FieldStatus::Value, 23 * 3600 + 59 * 60},
        {"#  5:07 am#", FieldStatus::Value, 5 * 3600 + 7 * 60},
        {"", FieldStatus::Empty, 0},
        {"#13:00 PM#", FieldStatus::Damaged, 0},
        {"#24:00#", FieldStatus::Damaged, 0},
        {"#5:60 AM#", FieldStatus::Damaged, 0},
        {"#5 AM#", FieldStatus::Damaged, 0},
        {"##", FieldStatus::Damaged, 0},
        {"5:07 AM", FieldStatus::Damaged, 0},
        {"#5:07 AM", FieldStatus::Damaged, 0},
        {"#5:07 AM#x", FieldStatus::Damaged, 0},
        {"#123:07#", FieldStatus::Damaged, 0},
    };
    for (const Case& c : cases) {
        FieldReader r(std::string(c.field) + ",next\r\n");
        const auto f = r.time();
        EXPECT_EQ(f.status, c.status) << c.field;
        if (c.status == FieldStatus::Value) {
            EXPECT_EQ(f.value, c.seconds) << c.field;
        }
        EXPECT_EQ(r.text().value, "next") << c.field;  // every field ends where it should
    }
}

TEST(FieldReader, NeverReadsPastTheEnd) {
    for (const char* bytes : {"", " ", "#", "#5", ",", "\r", "\n", "\r\n\r\n", "   \t"}) {
        FieldReader r(bytes);
        for (int i = 0; i < 10; ++i) {
            r.number();
            r.time();
            r.text();
        }
        EXPECT_TRUE(r.atEnd()) << '"' << bytes << '"';
        EXPECT_EQ(r.text().status, FieldStatus::EndOfFile);
    }
}

}  // namespace
}  // namespace engine
