// The user's private folder as the platform layer hands it to the programs.
#pragma once

#include "desktop/desktop.h"
#include "desktop/path_text.h"
#include "desktop/private_folder.h"

namespace desktop {

// The path keeps the system's bytes, so that any folder name works; only the
// sentence, which names it on screen, becomes text.
inline TempFolder TempFolderOf(const PrivateFolder& folder) { return {folder.path, PathText(folder.refusal)}; }

}  // namespace desktop
