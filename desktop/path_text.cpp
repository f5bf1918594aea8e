#include "desktop/path_text.h"

#include <QFile>

namespace desktop {

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string PathTextUtf8(const std::string& path) { return PathText(path).toStdString(); }

}  // namespace desktop
