// The calculator's pictures (":/resources/..."): they are linked into a static
// library, so a window makes sure they are registered before it loads one.
#pragma once

namespace calculator {

void LoadResources();

}  // namespace calculator
