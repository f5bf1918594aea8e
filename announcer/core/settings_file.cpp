#include "announcer/core/settings_file.h"

#include "engine/leading_number.h"
#include "engine/print_form.h"
#include "files/atomic_file.h"
#include "files/file_bytes.h"
#include "files/link_rule.h"
#include "files/path_parts.h"

#include <cmath>
#include <vector>

namespace announcer {

namespace {

std::string SettingsPath(const std::string& folder) { return files::FileInFolder(folder, SettingsFileName); }

// The hours as the box shows them: no blanks, "0" before the point.
std::string BoxForm(double v) {
    if (!std::isfinite(v)) v = 0;
    std::string s = engine::PrintForm(v);
    if (!s.empty() && s[0] == ' ') s.erase(0, 1);
    if (!s.empty() && s[0] == '.') s.insert(0, "0");
    if (s.size() > 1 && s[0] == '-' && s[1] == '.') s.insert(1, "0");
    return s;
}

// Up to three lines; a line ends at CR LF, LF or CR. A last line without its
// line end still counts.
std::vector<std::string> FirstLines(const std::string& bytes, std::size_t count) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (lines.size() < count && pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

}  // namespace

std::vector<std::string> SettingsFileLines(const SettingsControls& controls) {
    double hours = engine::LeadingNumber(controls.hoursText);
    if (!std::isfinite(hours)) hours = 0;  // an overflowing entry is no number of hours
    std::string volume;
    if (controls.volumeIndex && *controls.volumeIndex >= 0 && *controls.volumeIndex <= 2)
        volume = engine::PrintForm(2 - *controls.volumeIndex) + " ";
    return {engine::PrintForm(hours) + " ", engine::PrintForm(controls.playTicked ? 0 : 1) + " ", volume};
}

std::string SettingsFileBytes(const SettingsControls& controls) {
    std::string bytes;
    for (const std::string& line : SettingsFileLines(controls)) bytes += line + "\r\n";
    return bytes;
}

bool WriteSettingsFile(const std::string& folder, const SettingsControls& controls) {
    const std::string path = SettingsPath(folder);
    // Lines already on disk stay as they are: no save every minute for nothing.
    // Another user's link is no file of ours, whatever it leads to: it is replaced.
    if (!files::IsPlantedLink(path)) {
        const files::FileBytes onDisk = files::ReadFileBytes(path, SettingsFileByteLimit);
        if (onDisk.status == files::FileRead::Read && onDisk.bytes == SettingsFileBytes(controls)) return true;
    }
    return !files::SaveTextFile(path, SettingsFileLines(controls));
}

SettingsReading ParseSettingsFile(const std::string& bytes) {
    SettingsReading reading;
    reading.fileRead = true;
    const auto lines = FirstLines(bytes, 3);
    if (lines.size() >= 1) reading.hoursText = BoxForm(engine::LeadingNumber(lines[0]));
    if (lines.size() >= 2) {
        const double code = engine::LeadingNumber(lines[1]);
        if (code == 0)
            reading.playTicked = true;
        else if (code == 1)
            reading.playTicked = false;
    }
    if (lines.size() >= 3) {
        const double index = std::nearbyint(2.0 - engine::LeadingNumber(lines[2]));  // half to even
        if (index >= 0 && index <= 2) reading.volumeIndex = static_cast<int>(index);
    }
    return reading;
}

SettingsReading ReadSettingsFile(const std::string& folder) {
    const files::FileBytes file = files::ReadFileBytes(SettingsPath(folder), SettingsFileByteLimit);
    if (file.status != files::FileRead::Read) return SettingsReading{};
    return ParseSettingsFile(file.bytes);
}

}  // namespace announcer
