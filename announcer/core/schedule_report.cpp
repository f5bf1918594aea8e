#include "announcer/core/schedule_report.h"

#include "announcer/core/report_text.h"
#include "engine/clock_text.h"
#include "engine/utf8_text.h"

namespace announcer {

namespace {

constexpr int kCellWidth = 11;

}  // namespace

std::string ScheduleFileName(ScheduleKind kind) { return kind == ScheduleKind::Daily ? "Daily.txt" : "Weekly.txt"; }

std::vector<std::string> ScheduleTitleLines(ScheduleKind kind, const std::string& cityName) {
    const std::string stars(74, '*');
    const std::string heading =
        kind == ScheduleKind::Daily ? "*             Daily Prayer Times in " : "*             Weekly Prayer Times in ";
    return {
        stars,
        heading + engine::UpperCaseText(cityName),
        "*                (approx. +/- 5 minutes)                                 *",
        "*             (Without Daylight Saving Time)                             *",
        stars,
        "",
    };
}

std::string ScheduleRow(const engine::DayRecord& day) {
    std::string row = PadRight(DropZeroFields(day.date), kCellWidth);
    for (int seconds : day.times) row += PadRight(DropZeroFields(engine::LongTime(seconds)), kCellWidth);
    return row;
}

bool ScheduleShowsDay(ScheduleKind kind, int dayNo) { return kind == ScheduleKind::Daily || (dayNo - 1) % 7 == 0; }

std::vector<std::string> ScheduleLines(ScheduleKind kind, const std::string& cityName,
                                       const engine::TimesFileData& year) {
    std::vector<std::string> lines = ScheduleTitleLines(kind, cityName);
    for (const engine::DayRecord& day : year.days)
        if (ScheduleShowsDay(kind, day.dayNo)) lines.push_back(ScheduleRow(day));
    return lines;
}

}  // namespace announcer
