#include "engine/day_line.h"

#include <cstring>

#include "engine/clock_text.h"

namespace engine {
namespace {

// The print form of a whole number: " 12", "-3".
char* PutWhole(char* out, long long n) {
  *out++ = n < 0 ? '-' : ' ';
  unsigned long long u = n < 0 ? 0ull - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

char* Put(char* out, const std::string& text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

char* Put(char* out, const char* text) {
  const std::size_t n = std::strlen(text);
  std::memcpy(out, text, n);
  return out + n;
}

}  // namespace

std::string BuildDayLine(const DayEvents& d) {
  // A Zuhr before noon is the only time whose half of the day can change; one past
  // 13:00 has become 1.xx and is told from the morning by the later Asr.
  const bool zuhrMorning = d.clock[Zuhr] < 12 && d.clock[Zuhr] > d.clock[Asr];
  const int month = d.month >= 1 && d.month <= 12 ? d.month - 1 : 0;
  static const char* const suffix[6] = {" AM#,#", " AM#,#", nullptr, " PM#,#", " PM#,#", " PM#"};

  std::size_t size = 64;
  for (const std::string& f : d.field) size += f.size();
  std::string line(size, '\0');
  char* out = line.data();
  out = PutWhole(out, d.dayNo);
  out = Put(out, ", ");
  out = Put(out, MonthAbbrev[month]);
  out = PutWhole(out, d.day);
  out = Put(out, ",#");
  for (int p = 0; p < 6; ++p) {
    out = Put(out, d.field[p]);
    out = Put(out, p == Zuhr ? (zuhrMorning ? " AM#,#" : " PM#,#") : suffix[p]);
  }
  line.resize(static_cast<std::size_t>(out - line.data()));
  return line;
}

std::string CalculatorDayLine(const DayEvents& day) {
  std::string line = BuildDayLine(day);
  // Only the time fields hold a ".", and in the file they read as clock times.
  for (char& c : line) {
    if (c == '.') c = ':';
  }
  return line;
}

}  // namespace engine
