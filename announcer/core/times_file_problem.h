// What to tell the user when the times file cannot give a whole year.
#pragma once

#include "engine/times_file.h"

#include <string>

namespace announcer {

// The first line of the message: the file is missing (or unreadable) or damaged.
std::string TimesFileProblem(engine::ReadOutcome outcome);

}  // namespace announcer
