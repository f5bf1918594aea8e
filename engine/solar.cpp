#include "engine/solar.h"

#include <cmath>

#include "engine/format_fixed.h"
#include "engine/times_file.h"

namespace engine {
namespace {

// The constants of the method, as the published times were made with them.
constexpr double kPi = 3.1415926535;
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kEarthRadius = 6378160.0;  // metres
constexpr double kElevation = 5.0;          // metres
constexpr double kHorizonAngle = 0.83311;   // degrees, sun's centre at rising and setting
constexpr int kYear = 2000;

double Int(double x) { return std::floor(x); }
double Reduce(double degrees) { return degrees - 360.0 * Int(degrees / 360.0); }
double Rad(double degrees) { return degrees / kDegPerRad; }

// Arc sine through the arc tangent, as the method has it.
double ArcSin(double x) { return std::atan(x / std::sqrt(1 - x * x)); }

double JulianDay(int year, int month, int day) {
    double y = year;
    double m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    double b = 0;
    if (y + m / 100 + day / 10000.0 >= 1582.105) {
        const double a = Int(y / 100);
        b = 2 - a + Int(a / 4);
    }
    return Int(365.25 * y) + Int(30.6001 * (m + 1)) + day + 1720994.5 + b;
}

void CalendarDate(double jd, int& month, int& day) {
    const double z = Int(jd + 0.5);
    const double f = jd + 0.5 - z;
    double a = z;
    if (z >= 2299161) {
        const double alpha = Int((z - 1867216.25) / 36524.25);
        a = z + 1 + alpha - Int(alpha / 4);
    }
    const double b = a + 1524;
    const double c = Int((b - 122.1) / 365.25);
    const double d = Int(365.25 * c);
    const double e = Int((b - d) / 30.6001);
    day = static_cast<int>(b - d - Int(30.6001 * e) + f);
    month = static_cast<int>(e < 13.5 ? e - 1 : e - 13);
}

// The place as the day computation sees it.
struct SolarPlace {
    double sinLat;
    double cosLat;
};

struct SolarDay {
    double declination;  // radians
    double sinDeclination;
    double cosDeclination;
    double noon;  // local clock hours of transit
};

SolarDay SunOfDay(double jd, double timeZone, double truncatedLongitude) {
    const double t = (jd - 2415020) / 36525;
    const double m = Rad(Reduce(358.47583 + t * (35999.04975 + t * (-0.00015 + t * (-0.0000033)))));
    const double l = Rad(Reduce(279.69668 + t * (36000.76892 + t * 0.0003025)));
    const double sinM = std::sin(m);
    const double sin2M = std::sin(2 * m);
    const double c = Rad((1.91946 + t * (-0.004789 + t * (-0.000014))) * sinM + (0.020094 + t * (-0.0001)) * sin2M +
                         0.000293 * std::sin(3 * m));
    const double omega = Rad(Reduce(259.183275 + t * (-1934.142 + t * (0.002078 + t * 0.0000022))));
    const double epsilon = Rad(23.452294 + t * (-0.0130125 + t * (-0.00000164 + t * 0.000000503)));
    const double epsilonApparent = epsilon + Rad(0.00256) * std::cos(omega);
    const double lambda = l + c - (0.00569 + 0.00479 * std::sin(omega)) / kDegPerRad;
    const double delta = ArcSin(std::sin(epsilonApparent) * std::sin(lambda));
    const double e = 0.01675104 + t * (-0.0000418 + t * (-0.000000126));
    const double tanHalf = std::tan(epsilon / 2);
    const double y = tanHalf * tanHalf;
    double eqTime = y * std::sin(2 * l) - 2 * e * sinM + 4 * e * y * sinM * std::cos(2 * l) -
                    0.5 * y * y * std::sin(4 * l) - 1.25 * e * e * sin2M;
    eqTime = eqTime * kDegPerRad / 15;
    return {delta, std::sin(delta), std::cos(delta), 12 + (timeZone - truncatedLongitude / 15) - eqTime};
}

// Hours from transit at which the sun's centre has the altitude whose sine is s,
// with the day's sine and cosine of the declination at hand.
double HourAngleOf(const SolarPlace& place, double s, double sinDelta, double cosDelta) {
    double x = (s - sinDelta * place.sinLat) / (cosDelta * place.cosLat);
    // An altitude the sun never reaches (or never leaves) still gives an hour angle.
    if (x >= 1) {
        x = 1 - 0.000001;
    } else if (x <= -1) {
        x = -1 + 0.000001;
    }
    return (kPi / 2 - ArcSin(x)) * kDegPerRad / 15;
}

}  // namespace

TwilightAngles TwilightAnglesFor(double truncatedLatitude) {
    const double a = std::fabs(truncatedLatitude);
    TwilightAngles angles{19, 20};
    // Strict bands; the last one that holds wins.
    if (a > 37) angles = {13.5, 17};
    if (a > 41) angles = {13, 16.5};
    if (a > 45) angles = {12, 15};
    if (a > 50) angles = {11, 14};
    if (a > 55) angles = {10, 13};
    return angles;
}

double ToClockValue(double t) {
    if (!(t > 0.01)) return 0.01;  // also what no number at all becomes
    t += 0.0066;                   // 23.76 seconds before the minutes are cut
    const double hh = Int(t);
    double v = hh + Int(60 * (t - hh)) / 100;
    if (!(v <= 23.59)) v = 23.59;
    if (v >= 13) v -= 12;
    return v;
}

void ComputeYearHours(double latitude, double longitude, double timeZone, int asrFactor,
                      const std::function<void(const DayHours&)>& onDay) {
    const double phi = Int(1000 * latitude) / 1000;
    const double lambdaO = Int(1000 * longitude) / 1000;
    const SolarPlace place{std::sin(Rad(phi)), std::cos(Rad(phi))};
    const double dip = std::sqrt(2 * kElevation / kEarthRadius);
    const TwilightAngles angles = TwilightAnglesFor(phi);
    const double horizonSine = -dip - std::sin(Rad(kHorizonAngle));
    const double fajrSine = -dip - std::sin(Rad(angles.fajr));
    const double ishaSine = -dip - std::sin(Rad(angles.isha));
    const double firstDay = JulianDay(kYear, 1, 1);

    DayHours day;
    for (int n = 1; n <= DaysInYear; ++n) {
        const double jd = firstDay + (n - 1);
        day.dayNo = n;
        CalendarDate(jd, day.month, day.day);
        const SolarDay sun = SunOfDay(jd, timeZone, lambdaO);
        const auto hourAngle = [&](double s) { return HourAngleOf(place, s, sun.sinDeclination, sun.cosDeclination); };
        const double horizon = hourAngle(horizonSine);
        const double asrSine =
            std::sin(std::atan(1 / (asrFactor + std::fabs(std::tan(Rad(phi) - sun.declination))))) - dip;
        day.hours[Fajr] = sun.noon - hourAngle(fajrSine);
        day.hours[Tulu] = sun.noon - horizon;
        day.hours[Zuhr] = sun.noon;
        day.hours[Asr] = sun.noon + hourAngle(asrSine);
        day.hours[Maghrib] = sun.noon + horizon;
        day.hours[Isha] = sun.noon + hourAngle(ishaSine);
        onDay(day);
    }
}

void ComputeYear(double latitude, double longitude, double timeZone, int asrFactor,
                 const std::function<void(const DayEvents&)>& onDay) {
    DayEvents day;
    ComputeYearHours(latitude, longitude, timeZone, asrFactor, [&](const DayHours& hours) {
        day.dayNo = hours.dayNo;
        day.month = hours.month;
        day.day = hours.day;
        for (int p = 0; p < 6; ++p) {
            day.clock[p] = ToClockValue(hours.hours[p]);
            day.field[p] = FormatFixed(day.clock[p], 3, 2);
        }
        onDay(day);
    });
}

}  // namespace engine
