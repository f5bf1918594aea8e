#include "engine/year_writer.h"

#include "engine/day_line.h"
#include "engine/solar.h"
#include "engine/times_trailer.h"

namespace engine {

bool WriteYearLines(LineSink& sink, double latitude, double longitude, double timeZone, int asrFactor) {
    bool ok = true;
    ComputeYear(latitude, longitude, timeZone, asrFactor, [&](const DayEvents& day) {
        if (ok) ok = sink.writeLine(CalculatorDayLine(day));
    });
    if (!ok) return false;
    for (const std::string& line : TimesTrailerLines()) {
        if (!sink.writeLine(line)) return false;
    }
    return true;
}

}  // namespace engine
