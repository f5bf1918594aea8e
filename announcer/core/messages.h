// The texts of the announcer's questions and reports (CR is the line break).
#pragma once

#include "announcer/core/schedule_report.h"
#include "engine/times_file.h"

#include <cstddef>
#include <string>

namespace announcer {

inline constexpr const char* kAlreadyRunning = "An instance of Kelvora is already running.";

// Asked when today's record cannot be read; Yes starts the calculator.
inline constexpr const char* kTimesFileQuestion =
    "Azaan times data file not found or damaged.\r"
    "Please run the program Velstra.exe to recreate it.\r\r"
    "Would you like to run it now?";

// "Prayer Times For Another City": Yes starts the calculator, No opens the times file.
inline constexpr const char* kAnotherCityQuestion =
    "Do you want to run Velstra program to calculate prayer times ?\r\r"
    "Note: After completing, click on the button '<<' to update the times on the screen.";

inline constexpr const char* kEditorHelp =
    "Use this window to match the estimated prayer times with those of your locally observed times. \r\r"
    "You may decrease or increase the prayer time using the < and > buttons. Times change in increments of "
    "1 minute. \r\r"
    "Daily times within that period will be scaled linearly to match the entered values. \r\r"
    "Do not apply any Daylight Saving Time on these values. It is applied on the main screen. ";

inline constexpr const char* kEditorSaved = "File successfully updated";

// The first line of a message on a times file that gives no whole year: the file is
// missing (or unreadable) or damaged.
std::string TimesFileProblem(engine::ReadOutcome outcome);

// The editor's new file would outgrow what the announcer reads.
std::string NewFileTooLong(std::size_t size, std::size_t limit);

inline constexpr const char* kNewFileNotWhole = "The new file would not read back as a whole year.";

// The editor found no whole year: the problem's line, the file as shown to the user, and what to do.
std::string EditorLoadFailure(const std::string& problem, const std::string& pathText);

// The editor's save was refused or failed: the file as shown to the user and why.
std::string EditorSaveFailure(const std::string& pathText, const std::string& reason);

// A schedule from a times file that is not whole: the problem's line, the file as shown to the user.
std::string ScheduleUnreadableMessage(ScheduleKind kind, const std::string& problem, const std::string& pathText);

// A schedule with no private temp folder to go into: why there is none.
std::string ScheduleFolderMessage(ScheduleKind kind, const std::string& refusal);

// A schedule whose save failed: the report as shown to the user and why.
std::string ScheduleWriteFailure(ScheduleKind kind, const std::string& pathText, const std::string& reason);

}  // namespace announcer
