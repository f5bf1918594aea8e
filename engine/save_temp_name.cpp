#include "engine/save_temp_name.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <limits>
#include <random>

namespace engine {
namespace {

constexpr std::string_view Suffix = ".tmp";
constexpr std::size_t HexDigits = 8;

// A decimal number as printf writes it: digits, no sign, no leading zero.
std::optional<unsigned long long> TakeNumber(std::string_view& text, unsigned long long max) {
  std::size_t n = 0;
  unsigned long long value = 0;
  while (n < text.size() && text[n] >= '0' && text[n] <= '9') {
    value = value * 10 + static_cast<unsigned>(text[n] - '0');
    if (value > max) return std::nullopt;
    ++n;
  }
  if (n == 0 || (n > 1 && text[0] == '0')) return std::nullopt;
  text.remove_prefix(n);
  return value;
}

bool TakeChar(std::string_view& text, char c) {
  if (text.empty() || text[0] != c) return false;
  text.remove_prefix(1);
  return true;
}

bool IsLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

}  // namespace

std::string SaveTempName(std::string_view targetName) {
  static std::atomic<unsigned> counter{0};
  thread_local std::mt19937 random{std::random_device{}()};
  char buf[64];
  std::snprintf(buf, sizeof buf, ".%ld.%u.%08x", static_cast<long>(::getpid()), counter++,
                static_cast<unsigned>(random()));
  return "." + std::string(targetName) + buf + std::string(Suffix);
}

std::optional<pid_t> SaveTempNameOwner(std::string_view entry, std::string_view targetName) {
  if (entry.size() < targetName.size() + 2 || entry[0] != '.' || entry.substr(1, targetName.size()) != targetName)
    return std::nullopt;
  std::string_view rest = entry.substr(1 + targetName.size());
  if (!TakeChar(rest, '.')) return std::nullopt;
  const auto pid = TakeNumber(rest, static_cast<unsigned long long>(std::numeric_limits<pid_t>::max()));
  if (!pid || *pid == 0 || !TakeChar(rest, '.')) return std::nullopt;
  if (!TakeNumber(rest, std::numeric_limits<unsigned>::max()) || !TakeChar(rest, '.')) return std::nullopt;
  if (rest.size() != HexDigits + Suffix.size() || rest.substr(HexDigits) != Suffix) return std::nullopt;
  for (std::size_t i = 0; i < HexDigits; ++i)
    if (!IsLowerHex(rest[i])) return std::nullopt;
  return static_cast<pid_t>(*pid);
}

}  // namespace engine
