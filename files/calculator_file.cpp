#include "files/calculator_file.h"

#include "engine/year_writer.h"
#include "files/atomic_file.h"

namespace files {

std::optional<std::string> WriteCalculatorFile(const std::string& path, const engine::HeaderValues& header,
                                               const SinkWrapper& wrap) {
  AtomicTextFile file;
  std::string error;
  if (!file.open(path, error)) return error;
  const std::unique_ptr<engine::LineSink> wrapped = wrap ? wrap(file) : nullptr;
  engine::LineSink& sink = wrapped ? *wrapped : file;

  bool written = true;
  for (const std::string& line : engine::CalculatorHeaderLines(header)) {
    if (written) written = sink.writeLine(line);
  }
  if (written) written = engine::WriteYearLines(sink, header.latitude, header.longitude, header.timeZone, header.asrFactor);
  if (!written) {
    file.abort();
    return std::string("Writing to the disk failed part way (the disk may be full).");
  }
  if (!file.commit(error)) return error;
  return std::nullopt;
}

}  // namespace files
