#include "announcer/core/today_times.h"

#include "engine/clock_text.h"

namespace announcer {

std::string TodayTimeText(const std::optional<TimeValue>& t) {
    if (!t) return {};
    return engine::ShortTime(t->seconds);
}

TodayTimeTexts MakeTodayTimeTexts(const TodayTimes& times) {
    TodayTimeTexts texts;
    for (int i = 0; i < TimesPerDay; ++i) texts[i] = TodayTimeText(times[i]);
    return texts;
}

}  // namespace announcer
