#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "engine/format_fixed.h"
#include "engine/leading_number.h"
#include "engine/print_form.h"
#include "engine/text_routines.h"

namespace engine {
namespace {

TEST(LeadingNumber, TakesTheLongestLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        // clang-format off
        {"21.5x", 21.5}, {"", 0},        {"   42.517", 42.517}, {"-33.8688", -33.8688}, {"+5", 5},
        {".5", 0.5},     {"-.5", -0.5},  {"5.", 5},             {"12abc", 12},          {"abc", 0},
        {"-", 0},        {".", 0},       {"1.5.3", 1.5},        {"2E3", 2000},          {"2E", 2},
        {"1E+20", 1e20}, {"1E-05", 1e-5}, {"\t7", 7},           {"3 4", 3},             {"1e999", INFINITY},
        {"-1e999", -INFINITY}, {"1e-999", 0},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(LeadingNumberLength(" 18.233 "), 7u);
    EXPECT_EQ(LeadingNumberLength("x1"), 0u);
}

// A box is usable when its leading number is finite; no number at all reads as 0.
TEST(LeadingNumber, IsFiniteUnlessItOverflows) {
    struct Case {
        const char* text;
        bool finite;
    };
    const Case cases[] = {
        // clang-format off
        {"1e400", false},   {"-1E+999x", false}, {"  9e9999", false}, {"1e308", true},
        {"1e-400", true},   {"21.5x", true},     {"", true},          {"abc", true},
        {"1e", true},       {"-179.99", true},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_EQ(IsFiniteNumber(c.text), c.finite) << '"' << c.text << '"';
}

TEST(PrintForm, BlankOrMinusAndNoLeadingZero) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        // clang-format off
        {6, " 6"},          {12.15, " 12.15"},     {0.5, " .5"},       {-0.5, "-.5"},
        {-12.15, "-12.15"}, {0, " 0"},             {-0.0, " 0"},       {366, " 366"},
        {18.233, " 18.233"}, {-34.6917, "-34.6917"}, {1.0 / 3, " .333333333333333"},
        {0.0001, " .0001"}, {0.00001, " 1E-05"},   {1e15, " 1E+15"},   {123456789012345, " 123456789012345"},
        {-1e306, "-1E+306"}, {5.07, " 5.07"},      {2.0 / 3 * 100, " 66.6666666666667"},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_EQ(PrintForm(c.value), c.text) << c.value;
    EXPECT_EQ(PrintFormSingle(26.28f), " 26.28");
    EXPECT_EQ(PrintFormSingle(-0.5f), "-.5");
    EXPECT_EQ(PrintFormSingle(1.0f / 3), " .3333333");
}

// Decimals as the files hold them print as themselves; a double that is only near
// a short decimal prints its 15 significant digits.
TEST(PrintForm, ShortDecimalsPrintAsWritten) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        // clang-format off
        {0.1 + 0.2, " .3"},        {2.3, " 2.3"},          {0.07, " .07"},
        {1.005, " 1.005"},         {-0.001, "-.001"},      {0.0001, " .0001"},
        {0.00012, " .00012"},      {0.000099, " 9.9E-05"}, {999999999.999999, " 999999999.999999"},
        {1e9, " 1000000000"},      {123456.123456, " 123456.123456"}, {0.1234567, " .1234567"},
        {-1234567.1234567, "-1234567.1234567"}, {42.517, " 42.517"}, {-58.333, "-58.333"},
        {323.46, " 323.46"},       {10.5, " 10.5"},        {0.98333, " .98333"},
        {100, " 100"},             {-7, "-7"},             {123456789012345.6, " 123456789012346"},
        // clang-format on
    };
    for (const Case& c : cases) EXPECT_EQ(PrintForm(c.value), c.text) << c.value;

    // Random whole numbers over a power of ten: the text is the number's own digits
    // with the point put in, trailing zeros and a leading "0" left out.
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        const int decimals = static_cast<int>(random() % 7);
        const long long whole = static_cast<long long>(random() % 2000000000) - 1000000000;
        const double v = static_cast<double>(whole) / std::pow(10.0, decimals);
        if (std::fabs(v) < 1e-4) continue;  // an exponent there, as the table shows
        std::string digits = std::to_string(whole < 0 ? -whole : whole);
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        std::string intPart = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
        std::string fracPart = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
        while (!fracPart.empty() && fracPart.back() == '0') fracPart.pop_back();
        if (intPart == "0" && !fracPart.empty()) intPart.clear();
        const std::string text = (whole < 0 ? "-" : " ") + intPart + (fracPart.empty() ? "" : "." + fracPart);
        ASSERT_EQ(PrintForm(v), text) << whole << " / 10^" << decimals;
    }
}

TEST(FormatFixed, FieldsAndWrittenBackValues) {
    struct Case {
        double value;
        int width, decimals;
        const char* text;
        double after;
    } cases[] = {
        // clang-format off
        {5.07, 3, 2, "  5.07", 5.07},       {12.15, 3, 2, " 12.15", 12.15},    {5.1, 3, 2, "  5.10", 5.1},
        {6, 3, 2, "  6.00", 6},             {0, 3, 2, "  0.00", 0},            {0.5, 3, 2, "   .50", 0.5},
        {0.05, 3, 2, "   .05", 0.05},       {-5.07, 3, 2, " -5.07", -5.07},    {-12.15, 3, 2, "-12.15", -12.15},
        {-0.5, 3, 2, "  -.50", -0.5},       {9.999, 3, 2, " 10.00", 10},       {0.999, 3, 2, "  1.00", 1},
        {0.004, 3, 2, "  0.00", 0},         {254.53, 3, 2, " 254.53", 254.53}, {-157.83, 3, 2, "-157.83", -157.83},
        {245.0413, 4, 2, " 245.04", 245.04}, {58.3837, 4, 2, "  58.38", 58.38}, {5.1234, 4, 2, "   5.12", 5.12},
        {5.6, 3, 0, "  6.", 6},             {0.125, 3, 2, "   .12", 0.12},    {26.2849, 3, 2, " 26.28", 26.28},
        {0.45, 3, 2, "   .45", 0.45},       {0, 4, 2, "   0.00", 0},         {5.25, 4, 2, "   5.25", 5.25},
        // clang-format on
    };
    for (const Case& c : cases) {
        double v = c.value;
        EXPECT_EQ(FormatFixed(v, c.width, c.decimals), c.text) << c.value;
        EXPECT_EQ(v, c.after) << c.value;
    }
    float single = 26.2849f;
    EXPECT_EQ(FormatFixed(single, 3, 2), " 26.28");
    EXPECT_EQ(single, 26.28f);
}

// The quick road must give the field its steps give, for every kind of value.
TEST(FormatFixed, QuickRoadMatchesTheSteps) {
    std::mt19937_64 random(11);
    const double special[] = {0,     -0.0, 0.5,  -0.5,          0.005, -0.005, 0.0049,  9.995,
                              0.995, 1e9,  -1e9, 999999999.996, 1e-9,  12.345, 0.00005, 0.00015};
    for (int i = 0; i < 300000; ++i) {
        double v;
        if (i < 16) {
            v = special[i];
        } else if (i % 2 == 0) {
            v = static_cast<double>(static_cast<long long>(random() % 200000000) - 100000000) / 10000.0;
        } else {
            v = std::ldexp(static_cast<double>(random() % (1ull << 53)), -static_cast<int>(random() % 90)) *
                (random() % 2 ? 1 : -1);
        }
        const int width = static_cast<int>(random() % 6);
        const int decimals = static_cast<int>(random() % 5);
        double quick = v, steps = v;
        const std::string a = FormatFixed(quick, width, decimals);
        const std::string b = FormatFixedBySteps(steps, width, decimals);
        ASSERT_EQ(a, b) << v << " width " << width << " decimals " << decimals;
        ASSERT_EQ(quick, steps) << v;
    }
}

TEST(FormatFixed, RoundsHalfToEven) {
    EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(RoundHalfEven(2.5, 0), 2);
    EXPECT_EQ(RoundHalfEven(3.5, 0), 4);
    EXPECT_EQ(RoundHalfEven(-2.5, 0), -2);
    EXPECT_EQ(RoundHalfEven(0.375, 2), 0.38);
}

TEST(FormatFixed, AbsurdValuesGiveSomeText) {
    const double values[] = {1e306,
                             -1e306,
                             std::numeric_limits<double>::quiet_NaN(),
                             INFINITY,
                             -INFINITY,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min()};
    for (double value : values) {
        double v = value;
        EXPECT_FALSE(FormatFixed(v, 3, 2).empty()) << value;
    }
    double huge = 1e306;
    EXPECT_EQ(FormatFixed(huge, 3, 2), " 1E+306.00");
    // A single that rounds past its range becomes infinite instead of undefined.
    float single = std::numeric_limits<float>::max();
    EXPECT_FALSE(FormatFixed(single, 3, 2).empty());
    float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(FormatFixed(nan, 3, 2).empty());
}

TEST(TextRoutines, ReplaceCharsCountsAndStores) {
    std::string result = "old";
    int count = -1;
    EXPECT_EQ(ReplaceChars("5.07,6.15", '.', ':', result, count), "5:07,6:15");
    EXPECT_EQ(result, "5:07,6:15");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(ReplaceChars("", '.', ':', result, count), "");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(ReplaceChars("Hyderabad, India", ',', '-'), "Hyderabad- India");
    EXPECT_EQ(ReplaceChars("aAa", 'a', 'b'), "bAb");  // case counts
}

TEST(TextRoutines, CutAtFirstAndLastSeparator) {
    struct Case {
        const char* text;
        const char* afterFirst;
        const char* fileName;
    } cases[] = {
        // clang-format off
        {"a\\b\\c", "b\\c", "c"},
        {"abc", "abc", "abc"},
        {"abc\\", "", ""},
        {"C:\\Times\\AzaanTimes.dat", "Times\\AzaanTimes.dat", "AzaanTimes.dat"},
        {"AzaanTimes.dat", "AzaanTimes.dat", "AzaanTimes.dat"},
        {"", "", ""},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AfterFirst(c.text, '\\'), c.afterFirst) << c.text;
        EXPECT_EQ(FileNamePart(c.text, '\\'), c.fileName) << c.text;
    }
}

}  // namespace
}  // namespace engine
