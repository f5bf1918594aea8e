#include "calculator/resource_init.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void initCalculatorResources() { Q_INIT_RESOURCE(calculator); }

namespace calculator {

void LoadResources() {
    static const bool loaded = (initCalculatorResources(), true);
    (void)loaded;
}

}  // namespace calculator
