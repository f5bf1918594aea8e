// The recordings beside the announcer, before the media player gets one.
#pragma once

#include <string>

namespace announcer {

// Whether the media player may be given this recording: a regular file, or a
// name where nothing stands (the player passes that over as it passes over any
// file it cannot play). A FIFO, device or folder is never handed over: opening
// a FIFO waits until somebody writes into it, and the program would stop there.
// Decided from one look at the name, without ever waiting.
bool PlayerMayOpen(const std::string& path);

}  // namespace announcer
