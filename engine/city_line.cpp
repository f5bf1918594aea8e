#include "engine/city_line.h"

namespace engine {

std::string NameOnOneLine(const std::string& name) {
    std::string line = name;
    for (char& c : line) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) c = ' ';
    }
    return line;
}

std::string CityLine(const std::string& name) {
    std::string line = NameOnOneLine(name);
    for (char& c : line)
        if (c == ',') c = '-';
    return line;
}

}  // namespace engine
