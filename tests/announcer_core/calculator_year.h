// A times file as the calculator writes it (header + year writer), for Abha.
#pragma once

#include "engine/line_sink.h"
#include "engine/times_file.h"
#include "engine/times_header.h"
#include "engine/year_writer.h"

#include <string>

namespace announcer_test {

inline std::string CalculatorTimesFile(const std::string& city = "Abha") {
    engine::HeaderValues v;
    v.cityText = city;
    v.qiblaBearing = 323.46;
    v.latitude = 18.233;
    v.longitude = 42.517;
    v.timeZone = 3;
    v.createdDate = "08 Dec 2026";
    v.createdTime = "11:50:11 PM";
    v.asrFactor = 1;
    engine::StringLineSink sink;
    for (const std::string& line : engine::CalculatorHeaderLines(v)) sink.writeLine(line);
    engine::WriteYearLines(sink, v.latitude, v.longitude, v.timeZone, v.asrFactor);
    return sink.text();
}

inline engine::TimesFileData CalculatorYear(const std::string& city = "Abha") {
    engine::TimesFileData data;
    engine::ReadTimesFile(CalculatorTimesFile(city), data);
    return data;
}

inline int Hm(int h, int m) { return h * 3600 + m * 60; }

}  // namespace announcer_test
