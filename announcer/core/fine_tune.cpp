#include "announcer/core/fine_tune.h"

#include "announcer/core/messages.h"
#include "engine/editor_form.h"
#include "engine/line_sink.h"

#include <cmath>

namespace announcer {

namespace {

bool ValidRow(int d) { return d >= 1 && d <= engine::DaysInYear; }

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

TimeValue FromTotalSeconds(long long total) {
    const long long day = FloorDiv(total, SecondsPerDay);
    return TimeValue{static_cast<int>(day), static_cast<int>(total - day * SecondsPerDay)};
}

long long TotalSeconds(TimeValue t) { return static_cast<long long>(t.day) * SecondsPerDay + t.seconds; }

}  // namespace

TimeValue AddMinutes(TimeValue t, long long minutes) { return FromTotalSeconds(TotalSeconds(t) + minutes * 60); }

std::optional<std::string> SteppedTimeText(const std::string& boxText, int minutes) {
    const std::optional<TimeValue> t = ParseTimeValue(boxText);
    if (!t) return std::nullopt;
    return TimeValueText(AddMinutes(*t, minutes));
}

std::optional<std::string> ReadBackProblem(const std::vector<std::string>& lines) {
    engine::StringLineSink file;  // the same CR LF lines the file gets
    for (const std::string& line : lines) file.writeLine(line);
    engine::TimesFileData read;
    if (engine::ReadTimesFile(file.text(), read) == engine::ReadOutcome::Whole) return std::nullopt;
    // A year grows when its times are written with seconds: a file near the limit outgrows it.
    if (file.text().size() > engine::TimesFileByteLimit)
        return NewFileTooLong(file.text().size(), engine::TimesFileByteLimit);
    return std::string(kNewFileNotWhole);
}

long long ClockDiffMinutes(TimeValue t1, TimeValue t2) {
    long long diff = (TotalMinutes(t2) - TotalMinutes(t1)) % MinutesPerDay;
    if (diff < 0) diff += MinutesPerDay;
    return diff > MinutesPerDay / 2 ? diff - MinutesPerDay : diff;
}

long long ScaledOffsetMinutes(int stepsFromStart, long long diffMinutes, int length) {
    if (length == 0) return 0;  // two anchors on one row: nothing to spread
    const double offset = stepsFromStart * (static_cast<double>(diffMinutes) / length);
    return static_cast<long long>(std::nearbyint(offset));
}

bool FineTuneYear::load(const engine::TimesFileData& data) {
    if (data.days.size() != static_cast<size_t>(engine::DaysInYear)) return false;
    for (int i = 0; i < engine::DaysInYear; ++i)
        if (data.days[static_cast<size_t>(i)].dayNo != i + 1) return false;
    header_ = data.header;
    for (int d = 1; d <= engine::DaysInYear; ++d) {
        const engine::DayRecord& r = data.days[static_cast<size_t>(d - 1)];
        FineTuneDay& row = days_[static_cast<size_t>(d)];
        row.dayNo = r.dayNo;
        row.date = r.date;
        for (size_t p = 0; p < row.times.size(); ++p) row.times[p] = TimeValue{0, r.times[p]};
    }
    loaded_ = true;
    return true;
}

TimeValue FineTuneYear::time(int dayNo, int prayer) const {
    return days_.at(static_cast<size_t>(dayNo)).times.at(static_cast<size_t>(prayer));
}

bool FineTuneYear::storeTexts(int dayNo, const std::array<std::string, 6>& texts) {
    if (!ValidRow(dayNo)) return false;
    std::array<TimeValue, 6> times{};
    for (size_t p = 0; p < texts.size(); ++p) {
        const std::optional<TimeValue> t = ParseTimeValue(texts[p]);
        if (!t) return false;
        times[p] = *t;
    }
    days_[static_cast<size_t>(dayNo)].times = times;
    return true;
}

void FineTuneYear::scalePeriod(int d1, int d2, int prayer) {
    const size_t c = static_cast<size_t>(prayer);
    const TimeValue t1 = days_[static_cast<size_t>(d1)].times[c];
    const TimeValue t2 = days_[static_cast<size_t>(d2)].times[c];
    const long long diff = ClockDiffMinutes(t1, t2);
    // The last period wraps: it runs to day 366 and aims at day 1's times.
    const int last = d1 > d2 ? engine::DaysInYear : d2;
    const int length = last - d1;
    const TimeValue base{0, t1.seconds};
    // Each cell is a time of day on the base day: no period hands a day on to the next.
    for (int k = d1; k <= last; ++k)
        days_[static_cast<size_t>(k)].times[c] =
            TimeValue{0, AddMinutes(base, ScaledOffsetMinutes(k - d1, diff, length)).seconds};
}

void FineTuneYear::scaleAll(const std::vector<int>& anchorDays) {
    for (size_t i = 0; i < anchorDays.size(); ++i) {
        const int d1 = anchorDays[i];
        int d2 = i + 1 < anchorDays.size() ? anchorDays[i + 1] : 0;
        if (d2 == 0) d2 = 1;
        if (!ValidRow(d1) || !ValidRow(d2)) continue;  // a row the table does not have
        for (int prayer = 0; prayer < 6; ++prayer) scalePeriod(d1, d2, prayer);
    }
}

std::vector<std::string> FineTuneYear::editorForm(const std::string& cityBoxText) const {
    std::vector<engine::EditorDay> days;
    days.reserve(engine::DaysInYear);
    for (int d = 1; d <= engine::DaysInYear; ++d) {
        const FineTuneDay& row = days_[static_cast<size_t>(d)];
        engine::EditorDay out;
        out.dayNo = row.dayNo;
        out.date = row.date;
        for (size_t p = 0; p < row.times.size(); ++p) out.timeTexts[p] = TimeValueText(row.times[p]);
        days.push_back(std::move(out));
    }
    return engine::EditorFormLines(cityBoxText, header_, days);
}

}  // namespace announcer
