#include "announcer/schedule_reports.h"

#include "announcer/core/messages.h"
#include "desktop/path_text.h"
#include "desktop/private_folder.h"
#include "engine/times_file.h"
#include "files/atomic_file.h"
#include "files/path_parts.h"
#include "files/times_file_at.h"
#include "window_common/window_text.h"

using window_common::Q;

namespace announcer {

namespace {

// The refusal names the folder in the system's bytes; on screen it becomes text.
void RefuseFolder(desktop::Desktop& desk, const std::string& refusal, ScheduleKind kind) {
    desk.messageBox(Q(ScheduleFolderMessage(kind, desktop::PathTextUtf8(refusal))),
                    desktop::mb::OkOnly + desktop::mb::Critical, QString());
}

}  // namespace

void WriteScheduleReport(desktop::Desktop& desk, const ScheduleSource& source, ScheduleKind kind) {
    // The whole year first: a report is written only from a whole file.
    engine::TimesFileData year;
    const engine::ReadOutcome outcome = files::ReadTimesFileAt(source.timesPath, year);
    if (outcome != engine::ReadOutcome::Whole) {
        desk.messageBox(
            Q(ScheduleUnreadableMessage(kind, TimesFileProblem(outcome), desktop::PathTextUtf8(source.timesPath))),
            desktop::mb::OkOnly + desktop::mb::Exclamation, QString());
        return;
    }

    // A report goes only into the private temp folder: without one, nothing is written.
    if (!source.folder.refusal.empty() || source.folder.path.empty()) {
        RefuseFolder(desk, source.folder.refusal, kind);
        return;
    }
    const std::string& folder = source.folder.path;
    const std::string reportPath = files::FileInFolder(folder, ScheduleFileName(kind));

    // The folder is judged once more on the very folder the report goes into:
    // one that someone else made again under its name since is refused.
    const files::SaveResult failure =
        files::SaveTextFile(reportPath, ScheduleLines(kind, source.cityName, year), files::LinkAtPath::ReplaceLink,
                            files::FolderRule::UsersAlone);
    if (!failure) {
        desk.startCommandLine("notepad " + reportPath, desktop::show::Normal);
        return;
    }
    if (failure->kind == files::SaveFailure::Kind::FolderRefused) {
        const std::string named = folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
        RefuseFolder(desk, desktop::TempFolderRefusal(named, failure->reason), kind);
        return;
    }
    desk.messageBox(Q(ScheduleWriteFailure(kind, desktop::PathTextUtf8(reportPath), failure->reason)),
                    desktop::mb::OkOnly + desktop::mb::Critical, QString());
}

}  // namespace announcer
