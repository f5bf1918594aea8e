#include "announcer/core/messages.h"

namespace announcer {
namespace {

std::string ReportTitle(ScheduleKind kind) {
    return kind == ScheduleKind::Daily ? "Daily Schedule" : "Weekly Schedule";
}

}  // namespace

std::string TimesFileProblem(engine::ReadOutcome outcome) {
    if (outcome == engine::ReadOutcome::Missing) return "Azaan times data file not found or cannot be read:";
    return "Azaan times data file is damaged (it does not hold a whole year of 366 days):";
}

std::string NewFileTooLong(std::size_t size, std::size_t limit) {
    return "The new file would be " + std::to_string(size) +
           " bytes long, and the announcer reads no times file longer than " + std::to_string(limit) + " bytes.";
}

std::string EditorLoadFailure(const std::string& problem, const std::string& pathText) {
    return problem + "\r" + pathText +
           "\r\rPlease run the program Velstra to recreate it. Nothing can be saved until a whole year is loaded.";
}

std::string EditorSaveFailure(const std::string& pathText, const std::string& reason) {
    return "The prayer times could not be saved to\r" + pathText + "\r\rReason: " + reason +
           "\r\rThe file was left as it was.";
}

std::string ScheduleUnreadableMessage(ScheduleKind kind, const std::string& problem, const std::string& pathText) {
    return problem + "\r" + pathText + "\r\rThe " + ReportTitle(kind) +
           " was not written. Please run the program Velstra to recreate the file.";
}

std::string ScheduleFolderMessage(ScheduleKind kind, const std::string& refusal) {
    return refusal + "\r\rThe " + ReportTitle(kind) + " was not written.";
}

std::string ScheduleWriteFailure(ScheduleKind kind, const std::string& pathText, const std::string& reason) {
    return "The " + ReportTitle(kind) + " could not be written to\r" + pathText + "\r\rReason: " + reason;
}

}  // namespace announcer
