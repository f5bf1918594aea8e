#include "announcer/resource_init.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void initAnnouncerResources() { Q_INIT_RESOURCE(azaan); }

namespace announcer {

void LoadResources() {
    static const bool loaded = (initAnnouncerResources(), true);
    (void)loaded;
}

}  // namespace announcer
