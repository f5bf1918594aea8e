#include "calculator/preview_text.h"

#include <gtest/gtest.h>

namespace calculator {
namespace {

TEST(PreviewText, ThreeLinesFromTheDayLine) {
    const std::string line = " 1, Jan 1,#  5.34 AM#,#  6.58 AM#,# 12.24 PM#,#  3.29 PM#,#  5.49 PM#,#  7.18 PM#";
    EXPECT_EQ(PreviewLines(line),
              "Fajr:  5:34 AM  Asr:  3:29 PM\r\n"
              "Tulu:  6:58 AM\tMaghrib:  5:49 PM\r\n"
              "Zuhr: 12:24 PM\tIsha:  7:18 PM");
}

TEST(PreviewText, TimesWithoutAnHourDigitKeepTheirWidth) {
    const std::string line = " 366, Dec 31,#   .45 AM#,#  6.58 AM#,# 11.59 AM#,#  3.29 PM#,#  5.49 PM#,# 11.59 PM#";
    EXPECT_EQ(PreviewLines(line),
              "Fajr:   :45 AM  Asr:  3:29 PM\r\n"
              "Tulu:  6:58 AM\tMaghrib:  5:49 PM\r\n"
              "Zuhr: 11:59 AM\tIsha: 11:59 PM");
}

TEST(PreviewText, CaptionAndToolTipNameThePlaceAndToday) {
    EXPECT_EQ(PreviewCaption("Abha", 12, 9), "Prayer times in Abha on December 9 (without DST)");
    EXPECT_EQ(PreviewToolTip("Hyderabad, India", 3, 5),
              "Prayer times in Hyderabad, India on March 5 (without Daylight Saving Time)");
}

}  // namespace
}  // namespace calculator
