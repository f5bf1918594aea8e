#include "files/save_temp_name.h"

#include <unistd.h>

#include "files/leftover_name.h"

#include <atomic>
#include <cstdio>
#include <random>

namespace files {
namespace {

constexpr std::string_view Suffix = ".tmp";
constexpr std::size_t HexDigits = 8;

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
    if (entry.empty() || entry[0] != '.') return std::nullopt;
    std::string_view rest;
    const auto pid = ProcessNamedIn(entry.substr(1), targetName, rest);
    // Then "." + 8 hex digits + ".tmp", and nothing after.
    if (!pid || rest.size() != 1 + HexDigits + Suffix.size() || rest[0] != '.' || rest.substr(1 + HexDigits) != Suffix)
        return std::nullopt;
    for (std::size_t i = 1; i <= HexDigits; ++i)
        if (!IsLowerHex(rest[i])) return std::nullopt;
    return pid;
}

}  // namespace files
