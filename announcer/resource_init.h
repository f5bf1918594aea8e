// The announcer's pictures (":/announcer/..."): they are linked into a static
// library, so a window makes sure they are registered before it loads one.
#pragma once

namespace announcer {

void LoadResources();

}  // namespace announcer
