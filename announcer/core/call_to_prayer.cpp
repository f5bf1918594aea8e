#include "announcer/core/call_to_prayer.h"

#include <cstdlib>

namespace announcer {

int MinutesApart(int prayerSecondsOfDay, int nowSecondsOfDay) {
    return std::abs(prayerSecondsOfDay / 60 - nowSecondsOfDay / 60);
}

double TickMinutes(int intervalMs) { return static_cast<double>(intervalMs) / 1000.0 / 60.0; }

StartTest RunStartTest(int nowSecondsOfDay, const TodayTimes& times, int azaanJustPlayed, int playAzaanFlag,
                       double tickMinutes) {
    StartTest test;
    bool inPrayerMinute = false;
    for (std::size_t i = 0; i < AnnouncedTimes.size(); ++i) {
        const auto& t = times[AnnouncedTimes[i]];
        // A prayer without a time never takes part: no record means no call.
        if (!t) continue;
        test.minutesApart[i] = MinutesApart(t->seconds, nowSecondsOfDay);
        if (*test.minutesApart[i] < tickMinutes) inPrayerMinute = true;
    }
    test.start = azaanJustPlayed == 0 && playAzaanFlag == 1 && inPrayerMinute;
    if (test.start) {
        const bool fajr = test.minutesApart[0] && *test.minutesApart[0] < tickMinutes;
        test.recording = fajr ? "fajr.mp3" : "other.mp3";
    }
    test.azaanJustPlayed = test.start ? 1 : 0;
    return test;
}

}  // namespace announcer
