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

}  // namespace azaan_tests
