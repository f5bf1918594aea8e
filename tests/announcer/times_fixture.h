// Times files for the window tests: the calculator's form, with the same six
// times on every day of the year, written into the scripted program folder.
#pragma once

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace azaan_tests {

struct Place {
    std::string city = "Abha";
    double qiblah = 90;
    double latitude = 18.233;
    double longitude = 42.517;
    double timeZone = 3;
};

// The six times as 12-hour clock values (5.07 is 5:07; 3.30 is 3:30 PM).
using ClockValues = std::array<double, 6>;
inline constexpr ClockValues DefaultTimes{5.07, 6.29, 12.15, 3.30, 5.45, 7.10};

// The whole file: the calculator's 12 header lines, then 366 day lines and the closing block.
std::string TimesFileBytes(const Place& place, const ClockValues& times);

// Writes folder/AzaanTimes.dat.
void WriteTimesFile(const QString& folder, const Place& place = {}, const ClockValues& times = DefaultTimes);

std::string ReadBytes(const QString& path);
void WriteBytes(const QString& path, const std::string& bytes);

// The CR LF lines of a file (an unterminated tail counts as a line), and back.
std::vector<std::string> Lines(const std::string& bytes);
std::string Joined(const std::vector<std::string>& lines);

// The calculator's file with one field of one day line replaced (field 0 = DayNo,
// 1 = date, 2.. = the six times with their "#").
std::string WithField(const std::string& bytes, int dayNo, int field, const std::string& text);

// The calculator's file cut after the day line of lastDayNo (no closing block).
std::string EndingAfterDay(const std::string& bytes, int lastDayNo);

}  // namespace azaan_tests
