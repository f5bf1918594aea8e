#include "calculator/preview_text.h"

#include "engine/city_line.h"
#include "engine/clock_text.h"
#include "engine/text_routines.h"

#include <vector>

namespace calculator {

namespace {

// A time field of the line without the "#" on either side: the text from two characters
// after one comma up to (not including) the character before the next one.
std::string Between(const std::string& line, std::size_t comma, std::size_t nextComma) {
    std::size_t start = comma + 2;
    if (nextComma < start + 1 || start > line.size()) return {};
    return line.substr(start, nextComma - comma - 3);
}

}  // namespace

std::string PreviewLines(std::string dayLine) {
    std::string line = engine::ReplaceChars(dayLine, '.', ':');
    std::vector<std::size_t> commas;
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == ',') commas.push_back(i);

    // Fields 1..6 follow the date: between commas 2..7, the last after comma 7.
    std::string field[7];
    for (int k = 1; k <= 5; ++k)
        if (std::size_t(k + 1) < commas.size()) field[k] = Between(line, commas[k], commas[k + 1]);
    if (commas.size() >= 7) field[6] = Between(line, commas[6], line.size());

    return "Fajr:" + field[1] + "  " + "Asr:" + field[4] + "\r\n" + "Tulu:" + field[2] + "\t" + "Maghrib:" + field[5] +
           "\r\n" + "Zuhr:" + field[3] + "\t" + "Isha:" + field[6];
}

std::string PreviewCaption(const std::string& place, int month, int day) {
    return "Prayer times in " + engine::NameOnOneLine(place) + " on " + engine::MonthDay(month, day) + " (without DST)";
}

std::string PreviewToolTip(const std::string& place, int month, int day) {
    return "Prayer times in " + engine::NameOnOneLine(place) + " on " + engine::MonthDay(month, day) +
           " (without Daylight Saving Time)";
}

}  // namespace calculator
