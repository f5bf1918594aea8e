// The settings file DST.TXT: the daylight-saving hours, the play box and the
// volume option, three lines each ended by CR LF.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace announcer {

inline constexpr const char* SettingsFileName = "DST.TXT";
// The largest settings file read; a real one has 15 bytes or so.
inline constexpr std::size_t SettingsFileByteLimit = 64 << 10;

// What the window's three controls stand at.
struct SettingsControls {
    std::string hoursText;           // Text1's text
    bool playTicked = true;          // Check1
    std::optional<int> volumeIndex;  // the selected Option1 element 0..2, none when none is
};

// The three lines (no line ends) and the file's bytes: the hours (leading-number rule) in print form + " ",
// play code (0 ticked, 1 unticked) + " ", volume code 2 - index + " " or an
// empty line. Hours 0, ticked, Medium: " 0 \r\n 0 \r\n 1 \r\n".
std::vector<std::string> SettingsFileLines(const SettingsControls& controls);
std::string SettingsFileBytes(const SettingsControls& controls);

// Saves folder/DST.TXT whole (beside it, then renamed, so a failure or a kill
// leaves the old settings), unless it already holds these bytes; the user's own
// link is followed, another user's replaced. False when it cannot be saved.
bool WriteSettingsFile(const std::string& folder, const SettingsControls& controls);

// What a reading sets. A value without content leaves its control as it is.
struct SettingsReading {
    bool fileRead = false;                 // false: no file, nothing changes
    std::optional<std::string> hoursText;  // "0.5", "-1", "0" (shortest form, "0" before the point)
    std::optional<bool> playTicked;        // code 0 ticks, 1 unticks, anything else: none
    std::optional<int> volumeIndex;        // 2 - code to the nearest whole (half to even); none outside 0..2
};

// The read rules on the file's bytes. A missing line (a short file) leaves its
// control unchanged; an empty line reads as 0.
SettingsReading ParseSettingsFile(const std::string& bytes);

// Reads folder/DST.TXT; a missing file gives fileRead = false and no changes,
// so the controls keep their start values (empty box, ticked, no volume).
SettingsReading ReadSettingsFile(const std::string& folder);

}  // namespace announcer
