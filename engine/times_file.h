#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace engine {

// The times file's name, in the folder of both programs.
inline constexpr const char* TimesFileName = "AzaanTimes.dat";

// Its records: one for each DayNo of the 366-day year, 1..366 in order.
inline constexpr int DaysInYear = 366;

// Its header: 14 fields, counted from 0. The positions named here hold the place
// and the qibla bearing; the others are comments.
inline constexpr std::size_t HeaderFieldCount = 14;
namespace header_field {
inline constexpr std::size_t City = 0;
inline constexpr std::size_t QiblaBearing = 2;
inline constexpr std::size_t Latitude = 4;
inline constexpr std::size_t Longitude = 5;
inline constexpr std::size_t TimeZone = 6;
}  // namespace header_field

// True for the header positions that hold numbers (the bearing and the place);
// every other header field is text.
constexpr bool IsNumberField(std::size_t position) {
    return position == header_field::QiblaBearing || position == header_field::Latitude ||
           position == header_field::Longitude || position == header_field::TimeZone;
}

struct HeaderField {
    bool isNumber = false;
    double number = 0;
    std::string text;  // the field as read (for a number field, its digits)
};

struct DayRecord {
    int dayNo = 0;
    std::string date;            // "Jan 1"
    std::array<int, 6> times{};  // seconds since midnight, Fajr..Isha
};

struct TimesFileData {
    std::array<HeaderField, HeaderFieldCount> header;
    std::vector<DayRecord> days;  // the records read whole, in order
};

enum class ReadOutcome { Whole, Missing, Damaged };

// The largest times file read; a real one is about 32 KB, so a longer file is damaged.
inline constexpr std::size_t TimesFileByteLimit = 1 << 20;

// Whole = the header fields and DaysInYear records numbered 1..DaysInYear in order, in at most
// TimesFileByteLimit bytes (longer content is damaged unread, as a longer file is).
// On Damaged, out holds what was read before the fault (the header, the good records).
ReadOutcome ReadTimesFile(const std::string& bytes, TimesFileData& out);

}  // namespace engine
