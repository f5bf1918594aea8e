#include "announcer/core/report_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace announcer {
namespace {

TEST(PadRight, FillsToWidthAndNeverCuts) {
    EXPECT_EQ(PadRight("", 11), std::string(11, ' '));
    EXPECT_EQ(PadRight("Jan 1", 11), "Jan 1      ");
    EXPECT_EQ(PadRight("12345678901", 11), "12345678901");
    EXPECT_EQ(PadRight("123456789012", 11), "123456789012");
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence) {
    int found = -1;
    EXPECT_EQ(ReplaceFirst("Jan 1", ":00", "", found), "Jan 1");
    EXPECT_EQ(found, 0);
    EXPECT_EQ(ReplaceFirst("6:00:00 AM", ":00", "", found), "6:00 AM");
    EXPECT_EQ(found, 1);
    EXPECT_EQ(ReplaceFirst("abcabc", "b", "XY", found), "aXYcabc");
    EXPECT_EQ(found, 1);
}

TEST(DropZeroFields, TakesSecondsAndWholeHoursMinutes) {
    const std::pair<const char*, const char*> cases[] = {
        {"5:07:00 AM", "5:07 AM"}, {"12:30:00 PM", "12:30 PM"}, {"10:10:00 AM", "10:10 AM"}, {"6:00:00 AM", "6 AM"},
        {"12:00:00 PM", "12 PM"},  {"Jan 1", "Jan 1"},          {"12:00:00 AM", "12 AM"},    {"6:00 AM", "6 AM"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(DropZeroFields(in), out) << in;
}

}  // namespace
}  // namespace announcer
