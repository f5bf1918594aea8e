// The fine-tune editor's year: 366 rows of a DayNo, a date and six times on the
// date-time scale, the minute step, the straight-line rescaling between anchor
// days, and the editor's form of the file.
#pragma once

#include "announcer/core/time_value.h"
#include "engine/times_file.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace announcer {

struct FineTuneDay {
    int dayNo = 0;
    std::string date;
    std::array<TimeValue, 6> times{};  // Fajr..Isha
};

class FineTuneYear {
public:
    // Takes a whole year as read (366 records numbered 1..366); false, and
    // nothing changed, for anything less.
    bool load(const engine::TimesFileData& data);
    bool loaded() const { return loaded_; }

    const std::string& cityLine() const { return header_[engine::header_field::City].text; }
    const FineTuneDay& day(int dayNo) const { return days_.at(static_cast<size_t>(dayNo)); }
    // Rows 1..366; the column is the prayer 0..5 (Fajr..Isha).
    TimeValue time(int dayNo, int prayer) const;
    std::string timeText(int dayNo, int prayer) const { return TimeValueText(time(dayNo, prayer)); }

    // Stores the six time boxes of a day (texts in either text form); false, and
    // nothing stored, when one of them is no date-time.
    bool storeTexts(int dayNo, const std::array<std::string, 6>& texts);

    // Rewrites every day of columns Fajr..Isha as the straight line between
    // consecutive anchors (the anchor rows as the hidden list gives them); the
    // last period runs to day 366 towards day 1's (already rewritten) times.
    // Each line runs the short way round the clock, and every cell becomes a
    // bare time of day, so anchors either side of midnight stay minutes apart.
    void scaleAll(const std::vector<int>& anchorDays);

    // The file as the editor writes it: the header with the city box's line as its
    // City field, 366 day lines; no closing block.
    std::vector<std::string> editorForm(const std::string& cityBoxText) const;

private:
    void scalePeriod(int d1, int d2, int prayer);

    bool loaded_ = false;
    std::array<engine::HeaderField, engine::HeaderFieldCount> header_{};
    std::array<FineTuneDay, engine::DaysInYear + 1> days_{};  // row 0 unused
};

// One value of the date-time scale moved by whole minutes.
TimeValue AddMinutes(TimeValue t, long long minutes);

// A time box's text moved by whole minutes along the date-time scale, in its
// text form: no wrap within the day, so a minute below midnight is 11:59 PM of
// the day before, shown with its date. Nothing when the text is no date-time.
std::optional<std::string> SteppedTimeText(const std::string& boxText, int minutes);

// Why the lines, as the file they make, would not read back as a whole year with
// the announcer's reader of the times file (its length limit included); nothing
// when they would. The editor never puts anything less in place.
std::optional<std::string> ReadBackProblem(const std::vector<std::string>& lines);

// Minutes from t1 to t2 taken the short way round the clock: -719..720. A
// prayer never moves half a day between two anchors.
long long ClockDiffMinutes(TimeValue t1, TimeValue t2);

// The offset of day k in a period of length L with diff minutes: (k - d1) x
// (diff / L), the division first, rounded to whole minutes (a half to the even
// neighbour, as the daylight-saving shift rounds).
long long ScaledOffsetMinutes(int stepsFromStart, long long diffMinutes, int length);

}  // namespace announcer
