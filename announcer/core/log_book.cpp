#include "announcer/core/log_book.h"

#include "announcer/core/call_to_prayer.h"
#include "announcer/core/format_fixed_down.h"
#include "engine/clock_text.h"
#include "engine/regular_file.h"

#include <cstdio>
#include <filesystem>

namespace announcer {

namespace {

std::string TwoDigits(int v) {
    v %= 100;
    if (v < 0) v = -v;
    char buf[3] = {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10), 0};
    return buf;
}

std::string Field(double minutes) { return FormatFixedDown(minutes, 5, 2); }

bool WriteLines(const std::filesystem::path& path, bool append, std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return engine::WriteRegularFile(path.string(), bytes, append);
}

}  // namespace

std::string LogDate(const CivilDate& date) {
    return TwoDigits(date.day) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.year);
}

std::array<std::string, 2> LogHeader(const CivilDate& today, int nowSecondsOfDay) {
    return {"This is the log file for Kelvora [Re-created on " + LogDate(today) + "   " +
                engine::LongTime(nowSecondsOfDay) + "]",
            std::string(69, '-')};
}

std::string LogLine(const std::string& cityName, const CivilDate& today, int nowSecondsOfDay,
                    const TodayTimeTexts& texts, const std::array<std::optional<int>, 5>& minutesApart,
                    double tickMinutes) {
    std::string line = cityName + "   " + LogDate(today) + "   " + engine::LongTime(nowSecondsOfDay) +
                       texts[FajrTime];
    for (int i : {ZuhrTime, AsrTime, MaghribTime, IshaTime}) line += "   " + texts[i];
    for (const auto& m : minutesApart) {
        // An empty text reads as midnight; keep the field numeric for it.
        line += Field(m ? *m : MinutesApart(0, nowSecondsOfDay));
    }
    line += Field(tickMinutes);
    return line;
}

bool LogBookNeedsHeader(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec || size > LogBookLimit;
}

bool AppendToLogBook(const std::string& folder, const CivilDate& today, int nowSecondsOfDay,
                     const std::string& line) {
    const std::filesystem::path path = std::filesystem::path(folder) / LogBookName;
    // Another user's link is no log book of ours: it is replaced by a new one.
    const bool planted = engine::IsPlantedLink(path.string());
    // Anything else but a regular file under the name is left alone, never replaced.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!planted && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return false;
    if (planted || LogBookNeedsHeader(path.string())) {
        std::filesystem::remove(path, ec);  // a failing delete is passed over
        const auto header = LogHeader(today, nowSecondsOfDay);
        WriteLines(path, false, {header[0], header[1]});
    }
    return WriteLines(path, true, {line});
}

}  // namespace announcer
