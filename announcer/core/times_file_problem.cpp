#include "announcer/core/times_file_problem.h"

namespace announcer {

std::string TimesFileProblem(engine::ReadOutcome outcome) {
    if (outcome == engine::ReadOutcome::Missing) return "Azaan times data file not found or cannot be read:";
    return "Azaan times data file is damaged (it does not hold a whole year of 366 days):";
}

}  // namespace announcer
