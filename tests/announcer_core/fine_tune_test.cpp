#include "announcer/core/fine_tune.h"
#include "announcer/core/period_starts.h"

#include "calculator_year.h"
#include "engine/clock_text.h"
#include "tests/support/header_closing_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace announcer {
namespace {

using announcer_test::CalculatorYear;
using announcer_test::Hm;

constexpr int Fajr = 0;

// A whole year whose six times are the same every day.
engine::TimesFileData FlatYear() {
    engine::TimesFileData data = CalculatorYear();
    for (auto& day : data.days) day.times = {Hm(5, 7), Hm(6, 29), Hm(12, 15), Hm(15, 30), Hm(17, 55), Hm(19, 15)};
    return data;
}

FineTuneYear Loaded(const engine::TimesFileData& data) {
    FineTuneYear year;
    EXPECT_TRUE(year.load(data));
    return year;
}

// The window's minute step on the six boxes that show day d: one box moved, all six stored.
void Step(FineTuneYear& year, int d, int prayer, int minutes) {
    std::array<std::string, 6> boxes;
    for (int p = 0; p < 6; ++p) boxes[static_cast<size_t>(p)] = year.timeText(d, p);
    std::string& box = boxes[static_cast<size_t>(prayer)];
    const std::optional<std::string> moved = SteppedTimeText(box, minutes);
    ASSERT_TRUE(moved.has_value()) << box;
    box = *moved;
    ASSERT_TRUE(year.storeTexts(d, boxes));
}

TEST(ScaledOffset, DivisionFirstThenRoundedToWholeMinutes) {
    struct Case {
        int steps;
        long long diff;
        int length;
        long long minutes;
    };
    const Case cases[] = {
        {4, 10, 30, 1},       // day 96 of 92..122: 1.33
        {5, 10, 30, 2},       // day 97: 1.67
        {8, 3, 30, 1},        // day 100: 0.8
        {15, 3, 30, 2},       // day 107: exactly 1.5, to the even neighbour
        {5, 3, 30, 0},        // 0.5 goes to 0
        {30, 10, 30, 10},     // the period's end gets the whole diff
        {1, -1425, 30, -48},  // -47.5 to the even neighbour
        {69, 42, 92, 31},     // 31.4999..., where multiplying first gives 31.5 and so 32
        {0, 7, 0, 0},         // an empty period moves nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaledOffsetMinutes(c.steps, c.diff, c.length), c.minutes) << c.steps << " " << c.diff;
}

TEST(FineTuneYear, LoadsOnlyAWholeYear) {
    engine::TimesFileData data = CalculatorYear();
    FineTuneYear year;
    EXPECT_TRUE(year.load(data));
    EXPECT_EQ(year.cityLine(), "Abha");
    EXPECT_EQ(year.day(366).date, "Dec 31");

    data.days.pop_back();
    FineTuneYear partial;
    EXPECT_FALSE(partial.load(data));
    EXPECT_FALSE(partial.loaded());
}

TEST(MinuteStep, ReadsAndWritesTheBoxText) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"5:07:00 AM", +1, "5:08:00 AM"},
        {"12:00:00 AM", -1, "12/29/1899 11:59:00 PM"},
        {"11:59:00 PM", +1, "12/31/1899 12:00:00 AM"},
        {"12/29/1899 11:59:00 PM", +1, "12:00:00 AM"},  // a box off the base day comes back to it
        {"12/29/1899 11:59:00 PM", -1, "12/29/1899 11:58:00 PM"},
        {"1/1/1900 12:30:00 AM", -1, "1/1/1900 12:29:00 AM"},
    };
    for (const auto& [box, minutes, result] : cases) EXPECT_EQ(SteppedTimeText(box, minutes), result) << box;
    for (const char* none : {"", "x", "2/30/1900 1:00:00 AM", "12/29/1899", "13:00:00 PM"})
        EXPECT_FALSE(SteppedTimeText(none, 1).has_value()) << none;

    FineTuneYear year = Loaded(FlatYear());
    std::array<std::string, 6> boxes = {"5:07:00 AM", "6:29:00 AM", "x", "3:30:00 PM", "5:55:00 PM", "7:15:00 PM"};
    EXPECT_FALSE(year.storeTexts(2, boxes));
    boxes[2] = "12/31/1899 12:15:00 PM";
    boxes[0] = "5:06:00 AM";
    ASSERT_TRUE(year.storeTexts(2, boxes));
    EXPECT_EQ(year.time(2, Fajr), (TimeValue{0, Hm(5, 6)}));
    EXPECT_EQ(year.time(2, 2), (TimeValue{1, Hm(12, 15)}));
}

TEST(ScaleAll, DiffTakesTheShortWayRoundTheClock) {
    const std::tuple<TimeValue, TimeValue, long long> cases[] = {
        {{0, Hm(23, 50)}, {0, Hm(0, 5)}, 15},     {{0, Hm(0, 5)}, {0, Hm(23, 50)}, -15},
        {{-1, Hm(23, 58)}, {0, Hm(23, 58)}, 0},   {{1, Hm(0, 0)}, {0, Hm(23, 58)}, -2},
        {{0, Hm(5, 7)}, {0, Hm(5, 17) + 59}, 10},  // seconds cut
        {{0, Hm(0, 0)}, {0, Hm(12, 0)}, 720},     {{0, Hm(0, 0)}, {0, Hm(12, 1)}, -719},
    };
    for (const auto& [t1, t2, diff] : cases) EXPECT_EQ(ClockDiffMinutes(t1, t2), diff) << TimeValueText(t2);
}

TEST(FineTuneYear, MinuteStepCrossesMidnightOntoAnotherDay) {
    engine::TimesFileData data = FlatYear();
    data.days[0].times[Fajr] = 0;  // 12:00:00 AM
    FineTuneYear year = Loaded(data);
    EXPECT_EQ(year.timeText(1, Fajr), "12:00:00 AM");
    Step(year, 1, Fajr, -1);
    EXPECT_EQ(year.timeText(1, Fajr), "12/29/1899 11:59:00 PM");
    Step(year, 1, Fajr, +1);
    Step(year, 1, Fajr, +1);
    EXPECT_EQ(year.timeText(1, Fajr), "12:01:00 AM");

    // Scaling keeps the anchor's time of day on the base day.
    Step(year, 1, Fajr, -2);
    year.scaleAll(PeriodStarts(PeriodKind::Monthly));
    EXPECT_EQ(year.timeText(1, Fajr), "11:59:00 PM");
}

TEST(ScaleAll, MonthlyPeriodWithDiffTenAndThree) {
    engine::TimesFileData data = FlatYear();
    data.days[122 - 1].times[Fajr] = Hm(5, 17);  // 1 May: 10 minutes after 1 April
    data.days[122 - 1].times[1] = Hm(6, 32);     // sunrise: 3 minutes
    FineTuneYear year = Loaded(data);
    year.scaleAll(PeriodStarts(PeriodKind::Monthly));

    EXPECT_EQ(year.timeText(92, Fajr), "5:07:00 AM");
    EXPECT_EQ(year.timeText(96, Fajr), "5:08:00 AM");
    EXPECT_EQ(year.timeText(97, Fajr), "5:09:00 AM");
    EXPECT_EQ(year.timeText(121, Fajr), "5:17:00 AM");  // 29 x 10/30 = 9.67
    EXPECT_EQ(year.timeText(122, Fajr), "5:17:00 AM");
    EXPECT_EQ(year.timeText(123, Fajr), "5:17:00 AM");  // the next period runs back down
    EXPECT_EQ(year.timeText(153, Fajr), "5:07:00 AM");

    EXPECT_EQ(year.timeText(100, 1), "6:30:00 AM");  // 0.8
    EXPECT_EQ(year.timeText(107, 1), "6:31:00 AM");  // 1.5 to the even neighbour
    EXPECT_EQ(year.timeText(122, 1), "6:32:00 AM");
}

TEST(ScaleAll, LastPeriodWrapsToDayOne) {
    // Weekly: days 365..366 are a 1-day period towards day 1.
    engine::TimesFileData data = CalculatorYear();
    FineTuneYear weekly = Loaded(data);
    Step(weekly, 1, Fajr, 5);
    weekly.scaleAll(PeriodStarts(PeriodKind::Weekly));
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(weekly.timeText(366, p), weekly.timeText(1, p)) << p;
        EXPECT_EQ(weekly.timeText(365, p), engine::LongTime(data.days[364].times[static_cast<size_t>(p)])) << p;
    }
    EXPECT_EQ(weekly.time(1, Fajr).seconds, data.days[0].times[Fajr] + 300);

    // Monthly: days 336..366 (length 30) end on day 1's times.
    FineTuneYear monthly = Loaded(data);
    monthly.scaleAll(PeriodStarts(PeriodKind::Monthly));
    for (int p = 0; p < 6; ++p) EXPECT_EQ(monthly.timeText(366, p), monthly.timeText(1, p)) << p;
}

TEST(ScaleAll, AnchorsEitherSideOfMidnightRunForwardThroughMidnight) {
    engine::TimesFileData data = FlatYear();
    data.days[92 - 1].times[Fajr] = Hm(23, 50);
    data.days[122 - 1].times[Fajr] = Hm(0, 5);
    FineTuneYear year = Loaded(data);
    year.scaleAll(PeriodStarts(PeriodKind::Monthly));
    // The short way round: +15 minutes over 30 days, every cell a bare time of day.
    const std::pair<int, const char*> expected[] = {
        {92, "11:50:00 PM"},  {93, "11:50:00 PM"},  {107, "11:58:00 PM"}, {108, "11:58:00 PM"},
        {112, "12:00:00 AM"}, {121, "12:04:00 AM"}, {122, "12:05:00 AM"},
    };
    for (const auto& [day, text] : expected) EXPECT_EQ(year.timeText(day, Fajr), text) << day;
}

// Minutes from the nearest midnight, either side.
int FromMidnight(TimeValue t) {
    const int m = t.seconds / 60;
    return std::min(m, MinutesPerDay - m);
}

TEST(ScaleAll, OneStepAcrossMidnightLeavesTheRestOfTheYearNearMidnight) {
    struct Case {
        const char* name;
        int prayer;
        int start;  // the time of every day, minutes after midnight
        int day;    // the anchor stepped
        int minutes;
    };
    const Case cases[] = {
        {"Fajr 12:00 AM, Jun 1 one below", Fajr, 0, 153, -1},
        {"Isha 11:58 PM, Jan 1 two above", 5, 23 * 60 + 58, 1, +2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine::TimesFileData data = FlatYear();
        for (auto& day : data.days) day.times[static_cast<size_t>(c.prayer)] = c.start * 60;
        FineTuneYear year = Loaded(data);
        Step(year, c.day, c.prayer, c.minutes);
        year.scaleAll(PeriodStarts(PeriodKind::Monthly));
        for (int d = 1; d <= engine::DaysInYear; ++d) {
            const TimeValue t = year.time(d, c.prayer);
            EXPECT_EQ(t.day, 0) << d;
            EXPECT_LE(FromMidnight(t), 2) << d << " " << year.timeText(d, c.prayer);
        }
        // July and 10 December stay at midnight.
        EXPECT_EQ(FromMidnight(year.time(199, c.prayer)), c.prayer == Fajr ? 0 : 2);
        EXPECT_LE(FromMidnight(year.time(345, c.prayer)), 2);
    }
}

TEST(ScaleAll, UnchangedYearBecomesStraightLinesBetweenAnchors) {
    const engine::TimesFileData data = CalculatorYear();
    FineTuneYear year = Loaded(data);
    year.scaleAll(PeriodStarts(PeriodKind::Monthly));
    for (int anchor : PeriodStarts(PeriodKind::Monthly))
        for (int p = 0; p < 6; ++p)
            EXPECT_EQ(year.time(anchor, p).seconds,
                      data.days[static_cast<size_t>(anchor - 1)].times[static_cast<size_t>(p)]);
    // Between 1 Jan and 1 Feb the Fajr moves evenly.
    const long long t1 = TotalMinutes(year.time(1, Fajr));
    const long long diff = TotalMinutes(year.time(32, Fajr)) - t1;
    for (int k = 1; k <= 32; ++k)
        EXPECT_EQ(TotalMinutes(year.time(k, Fajr)) - t1, ScaledOffsetMinutes(k - 1, diff, 31)) << k;
}

TEST(FineTuneEditorForm, HeaderAndDayLinesByteForByte) {
    FineTuneYear year = Loaded(FlatYear());
    Step(year, 32, Fajr, -1);  // a Fajr of 5:06 on 1 Feb
    year.scaleAll(PeriodStarts(PeriodKind::Monthly));
    const auto lines = year.editorForm("Abha, Asir");
    ASSERT_EQ(lines.size(), 14u + 366u);
    const std::vector<std::string> header = test_support::WithHeaderClosingLines({
        "Abha- Asir",
        "# Qiblah direction clockwise from North (in degrees): ",
        " 323.46 ",
        "# City Latitude Longitude and Timezone (from GMT):   ",
        " 18.233 ",
        " 42.517 ",
        " 3 ",
        "# File created on: 08 Dec 2026   11:50:11 PM",
        "# Asr times correspond to  1-shadow-length criteria",
    });
    for (size_t i = 0; i < header.size(); ++i) EXPECT_EQ(lines[i], header[i]) << i;
    EXPECT_EQ(lines[14], " 1 ,Jan 1,#5:07:00 AM#,#6:29:00 AM#,#12:15:00 PM#,#3:30:00 PM#,#5:55:00 PM#,#7:15:00 PM#");
    // 15/31 of a minute stays, 16/31 rounds to the whole minute.
    EXPECT_EQ(lines[14 + 15],
              " 16 ,Jan 16,#5:07:00 AM#,#6:29:00 AM#,#12:15:00 PM#,#3:30:00 PM#,#5:55:00 PM#,#7:15:00 PM#");
    EXPECT_EQ(lines[14 + 16],
              " 17 ,Jan 17,#5:06:00 AM#,#6:29:00 AM#,#12:15:00 PM#,#3:30:00 PM#,#5:55:00 PM#,#7:15:00 PM#");
    EXPECT_EQ(lines[14 + 31],
              " 32 ,Feb 1,#5:06:00 AM#,#6:29:00 AM#,#12:15:00 PM#,#3:30:00 PM#,#5:55:00 PM#,#7:15:00 PM#");
    EXPECT_EQ(lines.back(),
              " 366 ,Dec 31,#5:07:00 AM#,#6:29:00 AM#,#12:15:00 PM#,#3:30:00 PM#,#5:55:00 PM#,#7:15:00 PM#");
}

TEST(FineTuneEditorForm, SavedWithoutChangeReadsBackAsTheScaledYear) {
    const engine::TimesFileData data = CalculatorYear();
    FineTuneYear year = Loaded(data);
    year.scaleAll(PeriodStarts(PeriodKind::Monthly));
    std::string bytes;
    for (const std::string& line : year.editorForm(year.cityLine())) bytes += line + "\r\n";

    engine::TimesFileData again;
    ASSERT_EQ(engine::ReadTimesFile(bytes, again), engine::ReadOutcome::Whole);
    EXPECT_EQ(again.header[0].text, "Abha");
    EXPECT_DOUBLE_EQ(again.header[2].number, 323.46);
    for (int d = 1; d <= 366; ++d) {
        EXPECT_EQ(again.days[static_cast<size_t>(d - 1)].date, data.days[static_cast<size_t>(d - 1)].date);
        for (int p = 0; p < 6; ++p)
            EXPECT_EQ(again.days[static_cast<size_t>(d - 1)].times[static_cast<size_t>(p)], year.time(d, p).seconds)
                << d;
    }
    // Loaded again and scaled again, nothing moves: the year already is the straight lines.
    FineTuneYear second = Loaded(again);
    second.scaleAll(PeriodStarts(PeriodKind::Monthly));
    EXPECT_EQ(second.editorForm(second.cityLine()), year.editorForm(year.cityLine()));
}

TEST(FineTuneEditorForm, OnlyAWholeYearWithinTheReadersLimitReadsBack) {
    const FineTuneYear year = Loaded(CalculatorYear());
    const std::vector<std::string> lines = year.editorForm("Newline\nCity");
    EXPECT_EQ(lines[0], "Newline City");
    EXPECT_EQ(ReadBackProblem(lines), std::nullopt);

    const std::string notWhole = "The new file would not read back as a whole year.";
    std::vector<std::string> broken = lines;
    broken[0] = "Newline\nCity";  // a line break left in the name
    EXPECT_EQ(ReadBackProblem(broken), notWhole);
    broken = lines;
    broken.pop_back();  // no day 366
    EXPECT_EQ(ReadBackProblem(broken), notWhole);
    broken = lines;
    broken[4] = " Infinity ";
    EXPECT_EQ(ReadBackProblem(broken), notWhole);

    // A comment padded up to the reader's limit still reads; one byte more does not.
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    broken = lines;
    broken[1] += std::string(engine::TimesFileByteLimit - size, '-');
    EXPECT_EQ(ReadBackProblem(broken), std::nullopt);
    broken[1] += "-";
    EXPECT_EQ(ReadBackProblem(broken),
              "The new file would be 1048577 bytes long, and the announcer reads no times file longer than "
              "1048576 bytes.");
}

}  // namespace
}  // namespace announcer
