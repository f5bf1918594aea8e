#include "announcer/core/schedule_report.h"

#include "calculator_year.h"

#include <gtest/gtest.h>

namespace announcer {
namespace {

using announcer_test::CalculatorYear;
using announcer_test::Hm;

TEST(ScheduleRow, SevenCellsOfElevenCharacters) {
    engine::DayRecord day;
    day.dayNo = 1;
    day.date = "Jan 1";
    day.times = {Hm(6, 0), Hm(6, 29), Hm(12, 0), Hm(15, 30), Hm(17, 55), Hm(19, 15)};
    EXPECT_EQ(ScheduleRow(day), "Jan 1      6 AM       6:29 AM    12 PM      3:30 PM    5:55 PM    7:15 PM    ");
}

TEST(ScheduleTitle, SixLinesWithTheCityInCapitals) {
    const auto daily = ScheduleTitleLines(ScheduleKind::Daily, "Abha town");
    ASSERT_EQ(daily.size(), 6u);
    EXPECT_EQ(daily[0], std::string(74, '*'));
    EXPECT_EQ(daily[1], "*             Daily Prayer Times in ABHA TOWN");
    EXPECT_EQ(daily[2], "*                (approx. +/- 5 minutes)                                 *");
    EXPECT_EQ(daily[3], "*             (Without Daylight Saving Time)                             *");
    EXPECT_EQ(daily[4], std::string(74, '*'));
    EXPECT_EQ(daily[5], "");
    EXPECT_EQ(daily[2].size(), 74u);
    EXPECT_EQ(daily[3].size(), 74u);
    EXPECT_EQ(ScheduleTitleLines(ScheduleKind::Weekly, "x")[1], "*             Weekly Prayer Times in X");
    EXPECT_EQ(ScheduleFileName(ScheduleKind::Daily), "Daily.txt");
    EXPECT_EQ(ScheduleFileName(ScheduleKind::Weekly), "Weekly.txt");
}

TEST(ScheduleTitle, CapitalsOfANameInAnyScript) {
    const std::pair<const char*, const char*> cases[] = {
        {"s\xC3\xA3o paulo", "S\xC3\x83O PAULO"},  // "são paulo" -> "SÃO PAULO"
        {"\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\x91\xCE\x98\xCE\x89\xCE\x9D\xCE\x91"},  // "αθήνα" -> "ΑΘΉΝΑ"
        {"\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
         "\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90"},  // "москва" -> "МОСКВА"
    };
    for (auto [city, capitals] : cases)
        EXPECT_EQ(ScheduleTitleLines(ScheduleKind::Daily, city)[1],
                  std::string("*             Daily Prayer Times in ") + capitals);
}

TEST(ScheduleLines, WholeYearGivesAllRowsOrEverySeventh) {
    const engine::TimesFileData year = CalculatorYear();
    ASSERT_EQ(year.days.size(), 366u);

    const auto daily = ScheduleLines(ScheduleKind::Daily, "Abha", year);
    ASSERT_EQ(daily.size(), 372u);
    const auto weekly = ScheduleLines(ScheduleKind::Weekly, "Abha", year);
    ASSERT_EQ(weekly.size(), 59u);

    for (size_t i = 6; i < daily.size(); ++i) EXPECT_EQ(daily[i].size(), 77u) << i;
    for (size_t i = 6; i < weekly.size(); ++i) EXPECT_EQ(weekly[i].size(), 77u) << i;
    EXPECT_EQ(daily[6].substr(0, 11), "Jan 1      ");
    EXPECT_EQ(daily.back().substr(0, 11), "Dec 31     ");
    EXPECT_EQ(weekly[7].substr(0, 11), "Jan 8      ");
    EXPECT_EQ(weekly.back().substr(0, 11), "Dec 30     ");  // day 365; 366 is never shown
    EXPECT_EQ(weekly[6], daily[6]);
    // No seconds anywhere in the rows.
    for (size_t i = 6; i < daily.size(); ++i) EXPECT_EQ(daily[i].find(":00 "), std::string::npos) << daily[i];
}

}  // namespace
}  // namespace announcer
