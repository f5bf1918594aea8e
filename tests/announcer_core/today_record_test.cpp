#include "announcer/core/today_record.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace announcer {
namespace {

int Hm(int h, int m) { return h * 3600 + m * 60; }

// The calculator's 12 header lines for Abha.
std::string Header(const std::string& place = " 18.233        42.517        3") {
    return "Abha\r\n"
           "# Qiblah direction clockwise from North (in degrees): \r\n"
           " 323.46\r\n"
           "# City Latitude Longitude and Timezone (from GMT):   \r\n" +
           place +
           "\r\n"
           "# File created on: 08 Dec 2026   11:50:11 PM\r\n"
           "# Asr times correspond to  1-shadow-length criteria\r\n"
           "# Calculated prayer times are approximate and slight deviations are possible.\r\n"
           "# Degree of accuracy is of the order of +/- 5 minutes.\r\n"
           "#\r\n"
           "# DayNo # Date # Fajr # Tulu # Zuhr # Asr # Maghrib # Isha\r\n"
           "#\r\n";
}

// A day line whose Fajr is 5:0<n> AM; the other five fixed.
std::string Day(const std::string& dayNo, int n) {
    return dayNo + ", Jan " + std::to_string(n) + ",#  5:0" + std::to_string(n) +
           " AM#,#  6:29 AM#,# 12:15 PM#,#  3:30 PM#,#  5:55 PM#,#  7:15 PM#\r\n";
}

const TodayTimes Day1Times{TimeValue{0, Hm(5, 1)},   TimeValue{0, Hm(6, 29)},  TimeValue{0, Hm(12, 15)},
                           TimeValue{0, Hm(15, 30)}, TimeValue{0, Hm(17, 55)}, TimeValue{0, Hm(19, 15)}};

TEST(TodayNoTest, FebruaryAlwaysCounts29Days) {
    struct Case {
        CivilDate date;
        int expected;
    };
    const Case cases[] = {
        {{2026, 1, 1}, 1},   {{2024, 2, 29}, 60},   {{2024, 3, 1}, 61},    {{2026, 3, 1}, 61},
        {{2026, 2, 28}, 59}, {{2026, 12, 31}, 366}, {{2024, 12, 31}, 366}, {{2026, 7, 1}, 183},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TodayNo(c.date), c.expected) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

// A name written on the original platform is in Windows-1252; it is kept as
// UTF-8 text, and a name that is UTF-8 already keeps its bytes.
TEST(TodayRecordTest, CityNameIsKeptAsUtf8Text) {
    const std::pair<const char*, const char*> cases[] = {
        {"Abha", "Abha"},
        {"S\xC3\xA3o Paulo", "S\xC3\xA3o Paulo"},  // UTF-8 as it stands
        {"S\xE3o Paulo", "S\xC3\xA3o Paulo"},      // Windows-1252 "São Paulo"
        {"\x80 Town", "\xE2\x82\xAC Town"},        // 0x80 is the euro sign there
    };
    for (auto [stored, text] : cases) {
        const std::string file = stored + Header().substr(4) + Day(" 1", 1);
        TodayRecord r;
        EXPECT_EQ(ReadTodayRecord(file, 1, r).outcome, RecordOutcome::Found) << stored;
        EXPECT_EQ(r.cityName, text);
    }
}

TEST(TodayRecordTest, FindsTodayAndKeepsTheHeaderValues) {
    const std::string file = Header() + Day(" 1", 1) + Day(" 2", 2) + Day(" 3", 3);
    TodayRecord r;
    const auto reading = ReadTodayRecord(file, 2, r);
    EXPECT_EQ(reading.outcome, RecordOutcome::Found);
    EXPECT_EQ(reading.stop, RecordStop::TodayFound);
    EXPECT_EQ(r.cityName, "Abha");
    EXPECT_DOUBLE_EQ(r.qiblahDirection, 323.46);
    EXPECT_DOUBLE_EQ(r.latitude, 18.233);
    EXPECT_DOUBLE_EQ(r.longitude, 42.517);
    EXPECT_DOUBLE_EQ(r.timeZone, 3);
    ASSERT_TRUE(r.recordDayNo);
    EXPECT_EQ(*r.recordDayNo, 2);
    ASSERT_TRUE(r.times[FajrTime]);
    EXPECT_EQ(r.times[FajrTime]->seconds, Hm(5, 2));
    EXPECT_EQ(r.times[FajrTime]->day, 0);
    EXPECT_EQ(r.times[IshaTime]->seconds, Hm(19, 15));
}

TEST(TodayRecordTest, FirstRecordWithTodaysNumberWins) {
    const std::string file = Header() + Day(" 1", 1) + Day(" 2", 2) + Day(" 2", 3);
    TodayRecord r;
    EXPECT_EQ(ReadTodayRecord(file, 2, r).outcome, RecordOutcome::Found);
    EXPECT_EQ(r.times[FajrTime]->seconds, Hm(5, 2));
}

TEST(TodayRecordTest, ReadsTheEditorsFormToo) {
    const std::string file =
        "Abha\r\n# Qiblah direction clockwise from North (in degrees): \r\n 323.46 \r\n"
        "# City Latitude Longitude and Timezone (from GMT):   \r\n 18.233 \r\n 42.517 \r\n-4.5 \r\n"
        "# File created on: 08 Dec 2026   11:50:11 PM\r\n# Asr\r\n# Calc\r\n# Degree\r\n#\r\n# DayNo\r\n#\r\n"
        " 1 ,Jan 1,#5:07:00 AM#,#6:29:00 AM#,#12:15:00 PM#,#3:30:00 PM#,#5:55:00 PM#,#7:15:00 PM#\r\n";
    TodayRecord r;
    EXPECT_EQ(ReadTodayRecord(file, 1, r).outcome, RecordOutcome::Found);
    EXPECT_DOUBLE_EQ(r.timeZone, -4.5);
    EXPECT_EQ(r.times[FajrTime]->seconds, Hm(5, 7));
    EXPECT_EQ(r.times[ZuhrTime]->seconds, Hm(12, 15));
}

// A reading that stops before today's record keeps the header as read, and
// no times: the last record read is another day's, or only part of one.
TEST(TodayRecordTest, DamageBeforeTodayKeepsTheHeaderAndNoTimes) {
    const std::string emptyDayNo = ",Jan 2,#  4:44 AM#,#  6:29 AM#,# 12:15 PM#,#  3:30 PM#,#  5:55 PM#,#  7:15 PM#\r\n";
    const std::string badAsr = " 2, Jan 2,#  5:02 AM#,#  6:30 AM#,# 12:16 PM#,#not a time#,#  5:56 PM#,#  7:16 PM#\r\n";
    struct Case {
        const char* name;
        std::string file;
        int todayNo;
        RecordStop stop;
        std::optional<double> recordDayNo;
    };
    const Case cases[] = {
        // Even when today's record follows the damage.
        {"empty DayNo", Header() + Day(" 1", 1) + emptyDayNo + Day(" 3", 3), 3, RecordStop::EmptyDayNo, {}},
        {"blank line", Header() + Day(" 1", 1) + "\r\n" + Day(" 2", 2), 2, RecordStop::EmptyDayNo, {}},
        {"end of file", Header() + Day(" 1", 1) + Day(" 2", 2), 200, RecordStop::EndOfFile, 2},
        {"unreadable Asr", Header() + Day(" 1", 1) + badAsr + Day(" 3", 3), 3, RecordStop::UnreadableField, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TodayRecord r;
        r.times = Day1Times;  // the last call's reading
        const auto reading = ReadTodayRecord(c.file, c.todayNo, r);
        EXPECT_EQ(reading.outcome, RecordOutcome::Damaged);
        EXPECT_EQ(reading.stop, c.stop);
        EXPECT_EQ(r.recordDayNo, c.recordDayNo);
        EXPECT_EQ(r.times, TodayTimes{});
        EXPECT_EQ(r.cityName, "Abha");
        EXPECT_DOUBLE_EQ(r.qiblahDirection, 323.46);
        EXPECT_DOUBLE_EQ(r.timeZone, 3);
    }
}

TEST(TodayRecordTest, FileCutInsideTheHeaderKeepsWhatWasRead) {
    TodayRecord r;
    r.latitude = 7;
    r.times = Day1Times;
    const auto reading = ReadTodayRecord("Abha\r\n# Q\r\n 323.46\r\n", 1, r);
    EXPECT_EQ(reading.stop, RecordStop::EndOfFile);
    EXPECT_EQ(r.cityName, "Abha");
    EXPECT_DOUBLE_EQ(r.qiblahDirection, 323.46);
    EXPECT_DOUBLE_EQ(r.latitude, 7);
    EXPECT_EQ(r.times, TodayTimes{});
}

TEST(TodayRecordTest, TextWhereTheLatitudeBelongsIsDamaged) {
    TodayRecord r;
    const auto reading = ReadTodayRecord(Header("north 42.517 3") + Day(" 1", 1), 1, r);
    EXPECT_EQ(reading.outcome, RecordOutcome::Damaged);
    EXPECT_EQ(reading.stop, RecordStop::UnreadableField);
    EXPECT_DOUBLE_EQ(r.qiblahDirection, 323.46);
}

TEST(TodayRecordTest, EmptyTimeFieldMeansNoTime) {
    const std::string line = " 1, Jan 1,,#  6:29 AM#,# 12:15 PM#,#  3:30 PM#,#  5:55 PM#,#  7:15 PM#\r\n";
    TodayRecord r;
    r.times = Day1Times;
    EXPECT_EQ(ReadTodayRecord(Header() + line, 1, r).outcome, RecordOutcome::Found);
    EXPECT_FALSE(r.times[FajrTime]);
    EXPECT_TRUE(r.times[SunriseTime]);
}

TEST(TodayRecordTest, ArbitraryBytesNeverFind) {
    TodayRecord r;
    for (const std::string& bytes :
         {std::string(), std::string("\0\0\0", 3), std::string("#,#,#,,,\r\r\n\n"), std::string(5000, ',')}) {
        EXPECT_EQ(ReadTodayRecord(bytes, 1, r).outcome, RecordOutcome::Damaged);
    }
}

TEST(TodayRecordFileTest, MissingFileChangesNothing) {
    test_support::TempFolder folder;
    TodayRecord r;
    r.cityName = "Before";
    r.times = Day1Times;
    const auto reading = ReadTodayRecordAt(folder.file(engine::TimesFileName), 1, r);
    EXPECT_EQ(reading.outcome, RecordOutcome::Missing);
    EXPECT_EQ(reading.stop, RecordStop::CannotOpen);
    EXPECT_EQ(r.cityName, "Before");
    EXPECT_EQ(r.times[FajrTime]->seconds, Hm(5, 1));
    // A folder in the file's place cannot be read either.
    std::filesystem::create_directory(folder.file(engine::TimesFileName));
    EXPECT_EQ(ReadTodayRecordAt(folder.file(engine::TimesFileName), 1, r).outcome, RecordOutcome::Missing);
}

TEST(TodayRecordFileTest, ReadsAFileInTheFolder) {
    test_support::TempFolder folder;
    folder.write(engine::TimesFileName, Header() + Day(" 1", 1) + Day(" 2", 2));
    TodayRecord r;
    EXPECT_EQ(ReadTodayRecordAt(folder.file(engine::TimesFileName), 2, r).outcome, RecordOutcome::Found);
    EXPECT_EQ(r.times[FajrTime]->seconds, Hm(5, 2));
}

TEST(TodayRecordFileTest, AbhaFileHasEveryDay) {
    const std::string path = std::string(SUITE_TEST_DATA) + "/AzaanTimes_abha.dat";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no " << path;
    for (int day : {1, 60, 61, 366}) {
        TodayRecord r;
        EXPECT_EQ(ReadTodayRecordAt(path, day, r).outcome, RecordOutcome::Found) << day;
        EXPECT_EQ(r.cityName, "Abha");
        EXPECT_EQ(*r.recordDayNo, day);
        for (const auto& t : r.times) EXPECT_TRUE(t) << day;
    }
}

}  // namespace
}  // namespace announcer
