#include "window_common/program_icon.h"

namespace window_common {

QIcon ProgramIcon(const QString& pathPattern) {
    QIcon icon;
    for (int size : {16, 32, 64}) icon.addFile(pathPattern.arg(size));
    return icon;
}

}  // namespace window_common
