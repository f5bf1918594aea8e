#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace engine {

// Header fields 1..14: 1 the city, 3 the qibla bearing, 5..7 latitude, longitude
// and time zone; the others are comments.
struct HeaderField {
  bool isNumber = false;
  double number = 0;
  std::string text;  // the field as read (for a number field, its digits)
};

struct DayRecord {
  int dayNo = 0;
  std::string date;           // "Jan 1"
  std::array<int, 6> times{};  // seconds since midnight, Fajr..Isha
};

struct TimesFileData {
  std::array<HeaderField, 14> header;
  std::vector<DayRecord> days;  // the records read whole, in order
};

enum class ReadOutcome { Whole, Missing, Damaged };

// The largest times file read; a real one is about 32 KB, so a longer file is damaged.
inline constexpr std::size_t TimesFileByteLimit = 1 << 20;

// Whole = 14 header fields and 366 records numbered 1..366 in order, in at most
// TimesFileByteLimit bytes (longer content is damaged unread, as a longer file is).
// On Damaged, out holds what was read before the fault (the header, the good records).
ReadOutcome ReadTimesFile(const std::string& bytes, TimesFileData& out);

}  // namespace engine
