#include "engine/times_trailer.h"

namespace engine {

std::vector<std::string> TimesTrailerLines() {
    const std::string rule(84, '=');
    return {
        "",
        "",
        rule,
        "For questions or suggestions about these prayer times please write to us:",
        "    Email: times@example.org",
        "    Web: https://www.example.org/prayer-times",
        rule,
    };
}

}  // namespace engine
