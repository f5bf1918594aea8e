#include "announcer/core/messages.h"

namespace announcer {

std::string EditorLoadFailure(const std::string& problem, const std::string& pathText) {
    return problem + "\r" + pathText +
           "\r\rPlease run the program Velstra to recreate it. Nothing can be saved until a whole year is loaded.";
}

std::string EditorSaveFailure(const std::string& pathText, const std::string& reason) {
    return "The prayer times could not be saved to\r" + pathText + "\r\rReason: " + reason +
           "\r\rThe file was left as it was.";
}

}  // namespace announcer
