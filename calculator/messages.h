// The calculator's texts: its questions, refusals and reports (CR is the line break).
#pragma once

#include "files/save_failure.h"

#include <optional>
#include <string>

namespace calculator {

// --- the create command ---

inline constexpr const char* kFillAllBoxes = "Please fill the information in all text boxes.";
inline constexpr const char* kVerifyTitle = "Verify entered information";
inline constexpr const char* kOverwriteTitle = "Velstra";

// The confirmation: the city on one line, as the file gets it (its commas kept),
// the three numbers in print form and the full file path.
std::string ConfirmationText(const std::string& city, double latitude, double longitude, double timeZone,
                             const std::string& outputFile);

// The refusal for the first of the three number boxes whose number is too large to calculate
// with, or for the three together when they give no year of times with that Asr factor;
// nothing when they are usable.
std::optional<std::string> NumberTooLargeMessage(const std::string& latitude, const std::string& longitude,
                                                 const std::string& timeZone, int asrFactor);

std::string OverwriteQuestion(const std::string& outputFile);

// The end of a good write names the file as the user typed it.
std::string CompletionMessage(const std::string& fileBoxText);

// A write that could not be done: the path and why.
std::string WriteFailureMessage(const std::string& outputFile, const std::string& reason);

// Why the times file was not written, as the user is told: a save that stopped
// part way is put in the user's words, any other failure keeps the system's reason.
std::string WriteFailureReason(const files::SaveFailure& failure);

// Why the output file box cannot name the file to write.
inline constexpr const char* kNoFileName = "The output file box holds no file name.";
inline constexpr const char* kNameEndsInSeparator = "The name ends with a folder separator, not a file name.";
inline constexpr const char* kFolderAtName = "A folder of that name stands where the file should be.";
inline constexpr const char* kNoFileAtName =
    "Something other than a file (a FIFO or a device) stands where the file should be.";

// --- the gazetteer ---

// Asked before the gazetteer's address, already on the clipboard, is opened.
std::string GazetteerQuestion(const std::string& address);

inline constexpr const char* kSiteOpenFailed = "Error opening internet site.";
inline constexpr const char* kSiteAccessDenied = "Access denied";

// --- the map ---

inline constexpr const char* kInsertQuestion = "Insert the selected latitude and longitude values?";
inline constexpr const char* kMapTitle = "Murvenik";

}  // namespace calculator
