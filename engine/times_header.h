#pragma once

#include <string>
#include <vector>

namespace engine {

struct HeaderValues {
    std::string cityText;  // as the city box gives it, first character already upper-cased
    double qiblaBearing = 0;
    double latitude = 0, longitude = 0, timeZone = 0;
    std::string createdDate;  // "08 Dec 2026"
    std::string createdTime;  // "11:50:11 PM"
    int asrFactor = 1;
};

// Texts one after the other, each after the first starting at the next 14-column
// print zone; at least one blank always separates two texts.
std::string PrintZones(const std::vector<std::string>& texts);

// The 12 header lines of the calculator's times file, without line ends.
std::vector<std::string> CalculatorHeaderLines(HeaderValues v);

}  // namespace engine
