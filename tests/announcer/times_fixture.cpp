#include "tests/announcer/times_fixture.h"

#include "engine/day_events.h"
#include "engine/day_line.h"
#include "engine/times_header.h"
#include "engine/times_trailer.h"

#include <QDate>
#include <QFile>

#include <cstdio>
#include <stdexcept>

namespace azaan_tests {

std::string TimesFileBytes(const Place& place, const ClockValues& times) {
    engine::HeaderValues header;
    header.cityText = place.city;
    header.qiblaBearing = place.qiblah;
    header.latitude = place.latitude;
    header.longitude = place.longitude;
    header.timeZone = place.timeZone;
    header.createdDate = "09 Dec 2026";
    header.createdTime = "11:50:11 PM";
    header.asrFactor = 1;

    std::string bytes;
    for (const std::string& line : engine::CalculatorHeaderLines(header)) bytes += line + "\r\n";
    const QDate first(2000, 1, 1);
    for (int i = 0; i < 366; ++i) {
        const QDate d = first.addDays(i);
        engine::DayEvents day;
        day.dayNo = i + 1;
        day.month = d.month();
        day.day = d.day();
        for (int t = 0; t < 6; ++t) {
            day.clock[t] = times[t];
            char field[16];
            std::snprintf(field, sizeof field, "%6.2f", times[t]);
            day.field[t] = field;
        }
        bytes += engine::CalculatorDayLine(day) + "\r\n";
    }
    for (const std::string& line : engine::TimesTrailerLines()) bytes += line + "\r\n";
    return bytes;
}

void WriteTimesFile(const QString& folder, const Place& place, const ClockValues& times) {
    WriteBytes(folder + "/AzaanTimes.dat", TimesFileBytes(place, times));
}

std::string ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write fixture");
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

std::string WithField(const std::string& bytes, int dayNo, int field, const std::string& text) {
    std::vector<std::string> lines = Lines(bytes);
    std::string& line = lines.at(static_cast<size_t>(11 + dayNo));
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(line.substr(start, comma - start));
    fields.push_back(line.substr(start));
    fields.at(static_cast<size_t>(field)) = text;
    line.clear();
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
    return Joined(lines);
}

std::string EndingAfterDay(const std::string& bytes, int lastDayNo) {
    const std::vector<std::string> lines = Lines(bytes);
    return Joined({lines.begin(), lines.begin() + 12 + lastDayNo});
}

}  // namespace azaan_tests
