#include "desktop/path_text.h"

#include <QFile>

namespace desktop {

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace desktop
