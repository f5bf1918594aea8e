#include "announcer/core/recording_file.h"

#include "files/regular_file.h"

namespace announcer {

bool PlayerMayOpen(const std::string& path) { return files::IsReadableRegularFileOrNothing(path); }

}  // namespace announcer
