#include "announcer/schedule_reports.h"

#include "announcer/core/times_file_problem.h"
#include "desktop/path_text.h"
#include "engine/atomic_file.h"
#include "engine/times_file.h"
#include "window_common/window_text.h"

#include <QDir>

using window_common::Q;

namespace {


QString ReportTitle(announcer::ScheduleKind kind) {
    return kind == announcer::ScheduleKind::Daily ? QStringLiteral("Daily Schedule")
                                                  : QStringLiteral("Weekly Schedule");
}

}  // namespace

void WriteScheduleReport(desktop::Desktop& desk, const ScheduleSource& source, announcer::ScheduleKind kind) {
    // The whole year first: a report is written only from a whole file.
    engine::TimesFileData year;
    const engine::ReadOutcome outcome = engine::ReadTimesFileAt(source.timesPath, year);
    if (outcome != engine::ReadOutcome::Whole) {
        desk.messageBox(Q(announcer::TimesFileProblem(outcome)) + "\r" + desktop::PathText(source.timesPath) +
                            "\r\rThe " + ReportTitle(kind) +
                            " was not written. Please run the program Velstra to recreate the file.",
                        desktop::mb::OkOnly + desktop::mb::Exclamation, QString());
        return;
    }

    if (!source.folder.refusal.isEmpty()) {
        desk.messageBox(source.folder.refusal + "\r\rThe " + ReportTitle(kind) + " was not written.",
                        desktop::mb::OkOnly + desktop::mb::Critical, QString());
        return;
    }
    // The temp folder ends with its separator; without one the report lands in the current folder.
    const QString folder = source.folder.path.isEmpty() ? QDir::currentPath() + "/" : source.folder.path;
    const std::string reportPath = desktop::PathBytes(folder) + announcer::ScheduleFileName(kind);

    std::string error;
    if (!engine::WriteTextFileAtomically(reportPath, announcer::ScheduleLines(kind, source.cityName, year), error,
                                         engine::LinkAtPath::ReplaceLink)) {
        desk.messageBox("The " + ReportTitle(kind) + " could not be written to\r" + desktop::PathText(reportPath) +
                            "\r\rReason: " + Q(error),
                        desktop::mb::OkOnly + desktop::mb::Critical, QString());
        return;
    }
    desk.startCommandLine("notepad " + reportPath, desktop::show::Normal);
}
