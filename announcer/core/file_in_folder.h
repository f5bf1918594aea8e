// The path of a file in the announcer's folder: the folder's bytes, one "/", the name.
#pragma once

#include <string>

namespace announcer {

// The folder's bytes are kept as they are (a name that is no UTF-8 included). A
// folder that already ends in "/" (the root) gets no second one, and an empty
// folder leaves the name on its own.
std::string FileInFolder(const std::string& folder, const std::string& name);

}  // namespace announcer
