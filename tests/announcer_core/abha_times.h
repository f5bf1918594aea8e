// Abha's six times of one day (Fajr 5:07 AM .. Isha 7:15 PM), as the tests of
// the display, the start test and the shift use them.
#pragma once

#include "announcer/core/today_times.h"

namespace announcer_test {

inline int Hms(int h, int m, int s = 0) { return h * 3600 + m * 60 + s; }

inline announcer::TodayTimes AbhaTimes() {
    using announcer::TimeValue;
    return {TimeValue{0, Hms(5, 7)},   TimeValue{0, Hms(6, 29)},  TimeValue{0, Hms(12, 15)},
            TimeValue{0, Hms(15, 30)}, TimeValue{0, Hms(17, 55)}, TimeValue{0, Hms(19, 15)}};
}

}  // namespace announcer_test
