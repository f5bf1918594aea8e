#include "engine/calculator_file.h"

#include "engine/atomic_file.h"
#include "engine/year_writer.h"

namespace engine {

std::optional<std::string> WriteCalculatorFile(const std::string& path, const HeaderValues& header,
                                               const SinkWrapper& wrap) {
  AtomicTextFile file;
  std::string error;
  if (!file.open(path, error)) return error;
  const std::unique_ptr<LineSink> wrapped = wrap ? wrap(file) : nullptr;
  LineSink& sink = wrapped ? *wrapped : file;

  bool written = true;
  for (const std::string& line : CalculatorHeaderLines(header)) {
    if (written) written = sink.writeLine(line);
  }
  if (written) written = WriteYearLines(sink, header.latitude, header.longitude, header.timeZone, header.asrFactor);
  if (!written) {
    file.abort();
    return std::string("Writing to the disk failed part way (the disk may be full).");
  }
  if (!file.commit(error)) return error;
  return std::nullopt;
}

}  // namespace engine
