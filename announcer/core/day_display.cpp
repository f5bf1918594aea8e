#include "announcer/core/day_display.h"

#include "engine/clock_text.h"

namespace announcer {

namespace {

struct Row {
    std::optional<TimeIndex> next;
    std::optional<TimeIndex> current;
    std::optional<TimeIndex> beside;
};

constexpr std::nullopt_t None = std::nullopt;

// One row for each time that may be the first still ahead, in TodayTimes order.
const Row Rows[TimesPerDay] = {
    {FajrTime, None, FajrTime},           // Fajr
    {None, FajrTime, FajrTime},           // Sunrise
    {ZuhrTime, None, ZuhrTime},           // Zuhr
    {AsrTime, ZuhrTime, AsrTime},         // Asr
    {MaghribTime, AsrTime, MaghribTime},  // Maghrib
    {IshaTime, MaghribTime, IshaTime},    // Isha
};

}  // namespace

DayDisplay ChooseDayDisplay(int nowSecondsOfDay, const TodayTimes& times) {
    const long long now = nowSecondsOfDay / 60;
    for (int i = 0; i < TimesPerDay; ++i) {
        if (!times[i]) continue;
        const long long d = now - TotalMinutes(*times[i]);
        if (d < 0) {
            DayDisplay display;
            display.next = Rows[i].next;
            display.current = Rows[i].current;
            display.markerBeside = Rows[i].beside;
            display.markerCaption = "( - " + CalcTimeLeft(-d) + " hrs)";
            return display;
        }
    }
    DayDisplay display;
    display.current = IshaTime;
    return display;
}

std::string CalcTimeLeft(long long minutes) {
    const long long h = minutes / 60;
    const long long r = minutes - 60 * h;
    std::string hours = std::to_string(h);
    if (hours.size() > 2) hours = hours.substr(hours.size() - 2);
    std::string mins = std::to_string(r);
    if (r < 10) mins = "0" + mins;
    return hours + ":" + mins;
}

std::string DayHeading(const std::string& cityName, const CivilDate& today) {
    return "Prayer times in " + cityName + "  on\r" + std::to_string(today.day) + " " +
           engine::MonthAbbreviation(today.month) + " " + std::to_string(today.year) + "\r\r";
}

}  // namespace announcer
