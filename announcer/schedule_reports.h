// The tray menu's "Daily Schedule" and "Weekly Schedule": the year's timetable
// written into the temp folder and opened in the text viewer.
#pragma once

#include "announcer/core/schedule_report.h"

class Azaan;

// Reads the times file of the program's folder whole; a missing or damaged file
// stops with a message and leaves any earlier report as it was.
void WriteScheduleReport(Azaan& main, announcer::ScheduleKind kind);
