// The tick's start test: which call to prayer, if any, starts in this minute.
#pragma once

#include "announcer/core/today_times.h"

#include <array>
#include <optional>
#include <string>

namespace announcer {

constexpr int TimerIntervalMs = 59000;

// The five announced prayers, in log order (Sunrise is never announced).
constexpr std::array<int, 5> AnnouncedTimes{FajrTime, ZuhrTime, AsrTime, MaghribTime, IshaTime};

// |prayer - now| in whole minutes of the same day (seconds dropped), 0..1439,
// never wrapping past midnight: 11:59 PM against 0:00 is 1439.
int MinutesApart(int prayerSecondsOfDay, int nowSecondsOfDay);

// The timer interval in minutes: 59,000 ms gives 0.98333.
double TickMinutes(int intervalMs = TimerIntervalMs);

struct StartTest {
    // MinutesApart of Fajr, Zuhr, Asr, Maghrib, Isha against the time of day
    // of each time (its day offset not counted, as its text shows); none for a
    // prayer without a time, which takes no part in the test.
    std::array<std::optional<int>, 5> minutesApart;
    bool start = false;       // a call starts in this tick
    std::string recording;    // "fajr.mp3" (Fajr's minute wins) or "other.mp3"; empty without a start
    int azaanJustPlayed = 0;  // the flag's value after this tick: 1 after a start, else 0
};

// A call starts when azaanJustPlayed is 0, playAzaanFlag is 1 and one of the
// five prayers with a time is less than tickMinutes apart from now.
StartTest RunStartTest(int nowSecondsOfDay, const TodayTimes& times, int azaanJustPlayed, int playAzaanFlag,
                       double tickMinutes = TickMinutes());

}  // namespace announcer
