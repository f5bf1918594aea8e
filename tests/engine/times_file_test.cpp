#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/clock_text.h"
#include "engine/day_line.h"
#include "engine/editor_form.h"
#include "engine/qibla.h"
#include "engine/solar.h"
#include "engine/times_file.h"
#include "engine/times_header.h"
#include "engine/times_trailer.h"
#include "engine/year_writer.h"
#include "tests/engine/abha_header.h"
#include "tests/support/header_closing_lines.h"

namespace engine {
namespace {

using engine_test::Abha;

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

// The calculator's whole file: header, days, closing block.
std::string CalculatorFile(const HeaderValues& v) {
    StringLineSink sink;
    for (const auto& line : CalculatorHeaderLines(v)) sink.writeLine(line);
    EXPECT_TRUE(WriteYearLines(sink, v.latitude, v.longitude, v.timeZone, v.asrFactor));
    return sink.text();
}

DayEvents Day(int dayNo, int month, int day, std::array<double, 6> clock) {
    DayEvents d;
    d.dayNo = dayNo;
    d.month = month;
    d.day = day;
    d.clock = clock;
    for (int p = 0; p < 6; ++p) {
        double v = clock[p];
        char buf[16];
        std::snprintf(buf, sizeof buf, "%6.2f", v);
        d.field[p] = buf;
        if (v < 1) d.field[p] = std::string("   ") + (buf + 3);  // no hour digit: "   .45"
    }
    return d;
}

TEST(DayLine, LengthsAndForm) {
    const DayEvents first = Day(1, 1, 1, {5.07, 6.29, 12.15, 3.30, 5.55, 7.15});
    const std::string line = CalculatorDayLine(first);
    EXPECT_EQ(line, " 1, Jan 1,#  5:07 AM#,#  6:29 AM#,# 12:15 PM#,#  3:30 PM#,#  5:55 PM#,#  7:15 PM#");
    EXPECT_EQ(line.size(), 81u);
    EXPECT_EQ(BuildDayLine(first).substr(0, 18), " 1, Jan 1,#  5.07 ");
    const std::string last = CalculatorDayLine(Day(366, 12, 31, {5.07, 6.29, 12.15, 3.30, 5.55, 7.15}));
    EXPECT_EQ(last.substr(0, 14), " 366, Dec 31,#");
    EXPECT_EQ(last.size(), 84u);
    EXPECT_EQ(CalculatorDayLine(Day(172, 6, 20, {0.45, 3.42, 12.02, 4.25, 8.22, 11.06})).substr(0, 26),
              " 172, Jun 20,#   :45 AM#,#");
}

TEST(DayLine, ZuhrRule) {
    struct Case {
        double zuhr, asr;
        const char* field;
    } cases[] = {
        {11.58, 3.20, "# 11:58 AM#"}, {11.59, 3.20, "# 11:59 AM#"}, {12.00, 3.20, "# 12:00 PM#"},
        {1.05, 4.30, "#  1:05 PM#"},  {1.00, 4.30, "#  1:00 PM#"},  {11.47, 11.47, "# 11:47 PM#"},
    };
    for (const Case& c : cases) {
        const std::string line = CalculatorDayLine(Day(1, 1, 1, {5.07, 6.29, c.zuhr, c.asr, 5.55, 7.15}));
        EXPECT_NE(line.find(std::string(",") + c.field + ","), std::string::npos) << line;
    }
}

TEST(TimesHeader, PrintZones) {
    EXPECT_EQ(PrintZones({" 18.233", " 42.517", " 3"}), " 18.233        42.517        3");
    EXPECT_EQ(PrintZones({"-34.6917", " 138.533", " 9.5"}), "-34.6917       138.533       9.5");
    // Fourteen characters or more: the next value starts at a later zone, never touching.
    EXPECT_EQ(PrintZones({"-12.3456789012", "-1"}), "-12.3456789012              -1");
    EXPECT_EQ(PrintZones({" 12.34567890123", " 1"}), " 12.34567890123              1");
    EXPECT_EQ(PrintZones({" .5"}), " .5");
}

TEST(TimesHeader, CalculatorLines) {
    HeaderValues v = Abha();
    v.cityText = "Hyderabad, India";
    v.qiblaBearing = 245;
    v.latitude = 0.5;
    const std::vector<std::string> expected = test_support::WithHeaderClosingLines({
        "Hyderabad- India",
        "# Qiblah direction clockwise from North (in degrees): ",
        " 245.00",
        "# City Latitude Longitude and Timezone (from GMT):   ",
        " .5            42.517        3",
        "# File created on: 10 Dec 2026   8:00:00 AM",
        "# Asr times correspond to  1-shadow-length criteria",
    });
    EXPECT_EQ(CalculatorHeaderLines(v), expected);
    EXPECT_EQ(expected[1].size(), 54u);
    EXPECT_EQ(expected[3].size(), 53u);
    for (double bearing : {0.0, 5.25, 45.5}) {
        v.qiblaBearing = bearing;
        const std::string line = CalculatorHeaderLines(v)[2];
        EXPECT_EQ(line, bearing == 0 ? "   0.00" : bearing == 5.25 ? "   5.25" : "  45.50");
    }
    v.asrFactor = 2;
    EXPECT_EQ(CalculatorHeaderLines(v)[6], "# Asr times correspond to  2-shadow-length criteria");
}

TEST(TimesTrailer, SevenLinesBetweenRules) {
    const auto lines = TimesTrailerLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], std::string(84, '='));
    EXPECT_EQ(lines[6], std::string(84, '='));
    for (int i = 4; i <= 5; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)].substr(0, 4), "    ");
    for (const auto& l : lines) EXPECT_EQ(l.find(','), std::string::npos);
}

TEST(YearWriter, WholeFileIs385CrLfLines) {
    const std::string text = CalculatorFile(Abha());
    std::size_t crlf = 0, lf = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++lf;
            if (i > 0 && text[i - 1] == '\r') ++crlf;
        }
    }
    EXPECT_EQ(crlf, 385u);
    EXPECT_EQ(lf, 385u);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 86), std::string(84, '=') + "\r\n");
    // Day lines are 81..84 characters and numbered 1..366 in order.
    std::istringstream in(text);
    std::string line;
    for (int i = 0; i < 12; ++i) std::getline(in, line);
    for (int n = 1; n <= 366; ++n) {
        ASSERT_TRUE(std::getline(in, line));
        line.pop_back();  // CR
        EXPECT_GE(line.size(), 81u);
        EXPECT_LE(line.size(), 84u);
        EXPECT_EQ(line.substr(0, std::to_string(n).size() + 2), " " + std::to_string(n) + ",");
    }
}

// Stops at the first failed write, as a full disk would stop it.
class FailingSink : public LineSink {
public:
    explicit FailingSink(int okLines) : okLines_(okLines) {}
    bool writeLine(std::string_view) override {
        ++calls;
        return calls <= okLines_;
    }
    int calls = 0;

private:
    int okLines_;
};

TEST(YearWriter, StopsAtFirstFailedWrite) {
    FailingSink sink(100);
    EXPECT_FALSE(WriteYearLines(sink, 18.233, 42.517, 3, 1));
    EXPECT_EQ(sink.calls, 101);
    FailingSink trailerFails(367);
    EXPECT_FALSE(WriteYearLines(trailerFails, 18.233, 42.517, 3, 1));
    EXPECT_EQ(trailerFails.calls, 368);
}

// Santiago (south and west of Greenwich, half-hour zone behind it, two shadow
// lengths): a year checked against an independent reading of the day rules.
HeaderValues Santiago() {
    HeaderValues v = Abha();
    v.cityText = "Santiago";
    v.latitude = -33.4;
    v.longitude = -70.833;
    v.timeZone = -4.5;
    double raw = 0;
    CalcQibla(v.latitude, v.longitude, raw, v.qiblaBearing);
    v.asrFactor = 2;
    return v;
}

TEST(YearWriter, MatchesThePinnedYears) {
    const std::pair<const char*, HeaderValues> years[] = {
        {"AzaanTimes_abha.dat", Abha()},
        {"AzaanTimes_santiago.dat", Santiago()},
    };
    for (const auto& [fixture, place] : years) {
        std::ifstream in(std::string(SUITE_TEST_DATA "/") + fixture, std::ios::binary);
        ASSERT_TRUE(in) << "fixture missing: " << fixture;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(bytes.str(), CalculatorFile(place)) << fixture;
    }
}

std::string EditorFile(const TimesFileData& data) {
    std::vector<EditorDay> days;
    for (const DayRecord& r : data.days) {
        EditorDay d{r.dayNo, r.date, {}};
        for (int p = 0; p < 6; ++p)
            d.timeTexts[static_cast<std::size_t>(p)] = LongTime(r.times[static_cast<std::size_t>(p)]);
        days.push_back(d);
    }
    return Join(EditorFormLines(data.header[0].text, data.header, days));
}

TEST(TimesFile, BothFormsReadBackAlike) {
    HeaderValues v = Abha();
    v.qiblaBearing = 245;  // written " 245.00", rewritten " 245 "
    const std::string calculator = CalculatorFile(v);
    TimesFileData fromCalculator;
    ASSERT_EQ(ReadTimesFile(calculator, fromCalculator), ReadOutcome::Whole);
    const std::string editor = EditorFile(fromCalculator);
    TimesFileData fromEditor;
    ASSERT_EQ(ReadTimesFile(editor, fromEditor), ReadOutcome::Whole);

    const auto& h = fromCalculator.header;
    EXPECT_EQ(h[0].text, "Abha");
    EXPECT_EQ(h[2].number, 245);
    EXPECT_EQ(h[4].number, 18.233);
    EXPECT_EQ(h[5].number, 42.517);
    EXPECT_EQ(h[6].number, 3);
    EXPECT_EQ(h[7].text, "# File created on: 10 Dec 2026   8:00:00 AM");
    EXPECT_EQ(h[12].text, "# DayNo # Date # Fajr # Tulu # Zuhr # Asr # Maghrib # Isha");
    for (std::size_t i = 0; i < 14; ++i) {
        EXPECT_EQ(fromEditor.header[i].isNumber, h[i].isNumber) << i;
        if (h[i].isNumber) {
            EXPECT_EQ(fromEditor.header[i].number, h[i].number) << i;
        } else {
            EXPECT_EQ(fromEditor.header[i].text, h[i].text) << i;
        }
    }
    ASSERT_EQ(fromCalculator.days.size(), 366u);
    ASSERT_EQ(fromEditor.days.size(), 366u);
    for (std::size_t d = 0; d < 366; ++d) {
        EXPECT_EQ(fromEditor.days[d].dayNo, static_cast<int>(d + 1));
        EXPECT_EQ(fromEditor.days[d].date, fromCalculator.days[d].date);
        EXPECT_EQ(fromEditor.days[d].times, fromCalculator.days[d].times);
    }
    EXPECT_EQ(fromCalculator.days[0].date, "Jan 1");
    EXPECT_EQ(fromCalculator.days[365].date, "Dec 31");

    // The editor's own lines, byte for byte.
    std::istringstream lines(editor);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    ASSERT_EQ(all.size(), 14u + 366u);
    EXPECT_EQ(all[2], " 245 \r");
    EXPECT_EQ(all[4], " 18.233 \r");
    EXPECT_EQ(all[6], " 3 \r");
    EXPECT_EQ(all[1], "# Qiblah direction clockwise from North (in degrees): \r");
}

// Lines 3, 5, 6 and 7 of the header (the bearing and the place) are the numbers;
// the city, the comments and the column line are text.
TEST(TimesFile, NumberFieldsAreTheBearingAndThePlace) {
    for (std::size_t i = 0; i < HeaderFieldCount; ++i)
        EXPECT_EQ(IsNumberField(i), i == 2 || i == 4 || i == 5 || i == 6) << i;
}

TEST(EditorForm, DayLineForm) {
    std::array<HeaderField, 14> header{};
    header[2] = {true, -4.5, ""};
    const auto lines = EditorFormLines(
        "Hyderabad, India", header,
        {{1, "Jan 1", {"5:07:00 AM", "6:29:00 AM", "12:15:00 PM", "3:30:00 PM", "5:55:00 PM", "7:15:00 PM"}}});
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "Hyderabad- India");
    EXPECT_EQ(lines[2], "-4.5 ");
    EXPECT_EQ(lines[14], " 1 ,Jan 1,#5:07:00 AM#,#6:29:00 AM#,#12:15:00 PM#,#3:30:00 PM#,#5:55:00 PM#,#7:15:00 PM#");
}

TEST(TimesFile, DamagedAndShortFiles) {
    const std::string whole = CalculatorFile(Abha());
    TimesFileData data;
    EXPECT_EQ(ReadTimesFile("", data), ReadOutcome::Damaged);
    EXPECT_EQ(ReadTimesFile(whole.substr(0, whole.size() / 2), data), ReadOutcome::Damaged);
    EXPECT_GT(data.days.size(), 100u);  // what was read before the end is kept
    EXPECT_LT(data.days.size(), 366u);

    std::string noTime = whole;
    noTime.replace(noTime.find("#  5:"), 9, "#  5:7x AM#");
    EXPECT_EQ(ReadTimesFile(noTime, data), ReadOutcome::Damaged);

    std::string textLatitude = whole;
    textLatitude.replace(textLatitude.find(" 18.233"), 7, " north ");
    EXPECT_EQ(ReadTimesFile(textLatitude, data), ReadOutcome::Damaged);
    EXPECT_FALSE(data.header[4].isNumber);
    EXPECT_EQ(data.days.size(), 366u);

    // A blank line among the records is an empty day number.
    std::string blank = whole;
    blank.insert(blank.find(" 3, Jan 3"), "\r\n");
    EXPECT_EQ(ReadTimesFile(blank, data), ReadOutcome::Damaged);
    EXPECT_EQ(data.days.size(), 2u);

    // Content past the limit is damaged as a file past it is, whatever it holds.
    std::string padded = whole;
    padded.insert(padded.find("\r\n"), TimesFileByteLimit - whole.size(), '-');
    EXPECT_EQ(ReadTimesFile(padded, data), ReadOutcome::Whole);
    padded.insert(padded.find("\r\n"), 1, '-');
    EXPECT_EQ(ReadTimesFile(padded, data), ReadOutcome::Damaged);
}

}  // namespace
}  // namespace engine
