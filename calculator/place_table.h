// The built-in places the calculator's list offers, in the order the user sees them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace calculator {

struct Place {
    const char* name;       // as stored: mixed case, some run together ("losangeles")
    const char* latitude;   // decimal degrees, north positive, as the list shows it
    const char* longitude;  // decimal degrees, east positive
    const char* timeZone;   // hours east of Greenwich
};

inline constexpr std::size_t kPlaceCount = 200;

const std::array<Place, kPlaceCount>& PlaceTable();

// The list shows each name with only its first character raised ("alice springs" -> "Alice springs");
// the create command writes the city box's text so too. Text is UTF-8.
std::string ShownPlaceName(std::string_view stored);

}  // namespace calculator
