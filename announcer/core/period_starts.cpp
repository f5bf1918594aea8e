#include "announcer/core/period_starts.h"

namespace announcer {

namespace {

std::vector<int> WeekStarts() {
    std::vector<int> days;
    for (int n = 0; n <= 52; ++n) days.push_back(1 + 7 * n);
    return days;
}

}  // namespace

const std::vector<int>& PeriodStarts(PeriodKind kind) {
    static const std::vector<int> weekly = WeekStarts();
    static const std::vector<int> monthly = {1, 32, 61, 92, 122, 153, 183, 214, 245, 275, 306, 336};
    static const std::vector<int> quarterly = {1, 92, 183, 275};
    switch (kind) {
        case PeriodKind::Weekly: return weekly;
        case PeriodKind::Quarterly: return quarterly;
        case PeriodKind::Monthly: break;
    }
    return monthly;
}

}  // namespace announcer
