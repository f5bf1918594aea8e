// A path's two parts: the folder, with its trailing "/", and the name in it.
// Both keep the system's bytes (a name that is no UTF-8 included).
#pragma once

#include <string>
#include <utility>

namespace files {

// The folder, one "/", the name. A folder that already ends in "/" (the root)
// gets no second one, and an empty folder leaves the name on its own.
std::string FileInFolder(const std::string& folder, const std::string& name);

// "folder/" and "name" of a path; the folder is empty for a bare name.
std::pair<std::string, std::string> SplitPath(const std::string& path);

}  // namespace files
