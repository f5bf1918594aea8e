#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/line_sink.h"
#include "engine/times_header.h"
#include "files/save_failure.h"

namespace files {

// Lets a caller stand a sink between the lines and the file (a test: one that fails).
using SinkWrapper = std::function<std::unique_ptr<engine::LineSink>(engine::LineSink& file)>;

// The calculator's whole times file: the 12 header lines, the 366 day lines of the
// header's place and Asr factor, the closing block. Written beside the old file and
// put in its place only when complete, so a failure leaves any earlier file as it was.
// A write that stops part way gives StoppedPartWay.
SaveResult WriteCalculatorFile(const std::string& path, const engine::HeaderValues& header,
                               const SinkWrapper& wrap = {});

}  // namespace files
