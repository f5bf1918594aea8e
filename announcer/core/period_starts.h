// The fine-tune editor's period kinds and their anchor days (first day of each
// week, month or quarter in the 366-day numbering).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace announcer {

enum class PeriodKind { Weekly = 0, Monthly = 1, Quarterly = 2 };

inline constexpr std::array<const char*, 3> PeriodKindNames = {"Weekly", "Monthly", "Quarterly"};

// Ascending: 53 weekly (1, 8, ..., 365), 12 monthly (1, 32, 61, ...), 4 quarterly (1, 92, 183, 275).
const std::vector<int>& PeriodStarts(PeriodKind kind);

}  // namespace announcer
