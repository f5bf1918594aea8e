#include "files/calculator_file.h"

#include "engine/year_writer.h"
#include "files/atomic_file.h"

namespace files {

SaveResult WriteCalculatorFile(const std::string& path, const engine::HeaderValues& header, const SinkWrapper& wrap) {
    const auto writeYear = [&](engine::LineSink& file) {
        const std::unique_ptr<engine::LineSink> wrapped = wrap ? wrap(file) : nullptr;
        engine::LineSink& sink = wrapped ? *wrapped : file;
        for (const std::string& line : engine::CalculatorHeaderLines(header))
            if (!sink.writeLine(line)) return false;
        return engine::WriteYearLines(sink, header.latitude, header.longitude, header.timeZone, header.asrFactor);
    };
    return SaveTextFile(path, writeYear);
}

}  // namespace files
