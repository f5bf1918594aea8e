// The tray menu's "Daily Schedule" and "Weekly Schedule": the year's timetable
// written into the temp folder and opened in the text viewer.
#pragma once

#include "announcer/core/schedule_report.h"
#include "desktop/desktop.h"

#include <string>

namespace announcer {

// What a report is made from.
struct ScheduleSource {
    std::string timesPath;       // the times file, read whole (the system's bytes)
    std::string cityName;        // for the title line
    desktop::TempFolder folder;  // where the report goes; none when its path is empty
};

// A missing or damaged times file, or a temp folder that is not private, stops
// with a message and leaves any earlier report as it was; the folder is judged
// again on the folder the report is written into. The report replaces whatever
// stands at its name, a link included, and never writes through one.
void WriteScheduleReport(desktop::Desktop& desk, const ScheduleSource& source, ScheduleKind kind);

}  // namespace announcer
