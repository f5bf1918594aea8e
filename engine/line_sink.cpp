#include "engine/line_sink.h"

namespace engine {

bool StringLineSink::writeLine(std::string_view line) {
    text_.append(line);
    text_ += "\r\n";
    return true;
}

}  // namespace engine
