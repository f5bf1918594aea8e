// Paths as the system gives them. A file name is bytes, UTF-8 or not: an older
// folder named in Latin-1 ("Gebet-M\xfcnchen") is no UTF-8, and a QString cannot
// carry such a name back to the system. So paths travel as these bytes from the
// system to the system, and become text only where a window shows them.
#pragma once

#include <QString>

#include <string>

namespace desktop {

// A path typed into or held by a window, as the system's bytes.
std::string PathBytes(const QString& path);

// A path as a window shows it: a byte that is no text shows as the replacement
// character; the path itself keeps its bytes.
QString PathText(const std::string& path);

// The same text as UTF-8, for a message that names the path.
std::string PathTextUtf8(const std::string& path);

}  // namespace desktop
