#include "engine/editor_form.h"

#include "engine/city_line.h"
#include "engine/print_form.h"

namespace engine {

std::vector<std::string> EditorFormLines(const std::string& cityBoxText,
                                         const std::array<HeaderField, HeaderFieldCount>& header,
                                         const std::vector<EditorDay>& days) {
    std::vector<std::string> lines;
    lines.reserve(header.size() + days.size());
    for (std::size_t i = 0; i < header.size(); ++i) {
        const HeaderField& h = header[i];
        if (i == header_field::City)
            lines.push_back(CityLine(cityBoxText));
        else
            lines.push_back(h.isNumber ? PrintForm(h.number) + " " : h.text);
    }
    for (const EditorDay& day : days) {
        std::string line = PrintForm(day.dayNo) + " ," + day.date + ",";
        for (std::size_t t = 0; t < day.timeTexts.size(); ++t) {
            if (t > 0) line += ',';
            line += '#';
            line += day.timeTexts[t];
            line += '#';
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace engine
