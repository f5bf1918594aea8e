#include "engine/day_line.h"

#include "engine/clock_text.h"
#include "engine/print_form.h"
#include "engine/text_routines.h"

namespace engine {

std::string BuildDayLine(const DayEvents& d) {
    // A Zuhr before noon is the only time whose half of the day can change; one past
    // 13:00 has become 1.xx and is told from the morning by the later Asr.
    const bool zuhrMorning = d.clock[Zuhr] < 12 && d.clock[Zuhr] > d.clock[Asr];
    const char* const suffix[6] = {" AM#,#", " AM#,#", zuhrMorning ? " AM#,#" : " PM#,#", " PM#,#", " PM#,#", " PM#"};

    std::string line;
    line.reserve(84);
    line += PrintForm(d.dayNo);
    line += ", ";
    line += MonthAbbreviation(d.month);
    line += PrintForm(d.day);
    line += ",#";
    for (int p = 0; p < 6; ++p) {
        line += d.field[p];
        line += suffix[p];
    }
    return line;
}

std::string CalculatorDayLine(const DayEvents& day) {
    // Only the time fields hold a ".", and in the file they read as clock times.
    return ReplaceChars(BuildDayLine(day), '.', ':');
}

}  // namespace engine
