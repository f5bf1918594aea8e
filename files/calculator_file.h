#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/line_sink.h"
#include "engine/times_header.h"

namespace files {

// Lets a caller stand a sink between the lines and the file (a test: one that fails).
using SinkWrapper = std::function<std::unique_ptr<engine::LineSink>(engine::LineSink& file)>;

// The calculator's whole times file: the 12 header lines, the 366 day lines of the
// header's place and Asr factor, the closing block. Written beside the old file and
// put in its place only when complete, so a failure leaves any earlier file as it was.
// Nothing on success, else the reason in plain words.
std::optional<std::string> WriteCalculatorFile(const std::string& path, const engine::HeaderValues& header,
                                               const SinkWrapper& wrap = {});

}  // namespace files
