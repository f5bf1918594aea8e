// The texts of the create command's questions and reports (CR is the line break).
#pragma once

#include <optional>
#include <string>

namespace calculator {

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

}  // namespace calculator
