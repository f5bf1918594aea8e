#include "announcer/core/log_book.h"

#include "announcer/core/call_to_prayer.h"
#include "announcer/core/format_fixed_down.h"
#include "engine/clock_text.h"
#include "files/atomic_file.h"
#include "files/path_parts.h"
#include "files/regular_file.h"

namespace announcer {

namespace {

std::string TwoDigits(int v) {
    v %= 100;
    if (v < 0) v = -v;
    char buf[3] = {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10), 0};
    return buf;
}

std::string Field(double minutes) { return FormatFixedDown(minutes, 5, 2); }

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
    std::string line = cityName + "   " + LogDate(today) + "   " + engine::LongTime(nowSecondsOfDay) + texts[FajrTime];
    for (int i : {ZuhrTime, AsrTime, MaghribTime, IshaTime}) line += "   " + texts[i];
    for (const auto& m : minutesApart) {
        // An empty text reads as midnight; keep the field numeric for it.
        line += Field(m ? *m : MinutesApart(0, nowSecondsOfDay));
    }
    line += Field(tickMinutes);
    return line;
}

bool AppendToLogBook(const std::string& folder, const CivilDate& today, int nowSecondsOfDay, const std::string& line) {
    const std::string path = files::FileInFolder(folder, LogBookName);
    // The book is measured as it is opened: taken away or swapped for a link in
    // between, it is never mistaken for one that already has its header. An
    // empty book is new too: a full disk at its first call, or emptied by the user.
    const files::SaveResult appended = files::AppendToExistingFile(
        path, line + "\r\n", [](std::uintmax_t size) { return size > 0 && size <= LogBookLimit; });
    if (!appended) return true;
    if (appended->kind != files::SaveFailure::Kind::NoFileToAppend) return false;
    // Missing, empty, past the limit or another user's link: begun again whole,
    // header and line, so that a kill leaves the old book or the new one; a
    // FIFO, device or folder under the name is left alone.
    const auto header = LogHeader(today, nowSecondsOfDay);
    return !files::SaveTextFile(path, {header[0], header[1], line});
}

}  // namespace announcer
