// Today's record of the times file: the header values the announcer keeps and
// the six times of the first record whose DayNo is today's.
#pragma once

#include "announcer/core/today_times.h"
#include "engine/times_file.h"

#include <optional>
#include <string>

namespace announcer {

// Today's DayNo with February always 29 days: 1 Jan = 1, 29 Feb = 60,
// 1 Mar = 61, 31 Dec = 366 in every year.
int TodayNo(int month, int day);
inline int TodayNo(const CivilDate& date) { return TodayNo(date.month, date.day); }

// What the announcer keeps of the file. A reading overwrites each value as its
// field is read; a header value that a reading stopping early has not reached
// keeps the value it had before (so pass the previous values in). A reading
// that stops before today's record leaves no time at all.
struct TodayRecord {
    // Header field City as UTF-8 text (a Windows-1252 name decoded), in the form the
    // writers give a name (a control character a hand-made file holds is a blank):
    // the captions, the log book and the schedules show it so.
    std::string cityName;
    double qiblahDirection = 0;         // header field QiblaBearing
    double latitude = 0;                // header field Latitude
    double longitude = 0;               // header field Longitude
    double timeZone = 0;                // header field TimeZone
    std::optional<double> recordDayNo;  // DayNo of the last record read; empty for an empty field
    TodayTimes times;                   // today's six time fields, unshifted (day 0); none unless found
};

enum class RecordOutcome {
    Found,    // today's record was read
    Missing,  // the file cannot be opened: nothing was read, nothing changed
    Damaged,  // stopped before today's record; the header values hold what was read, no times
};

// Why the reading stopped (finer than the outcome, for tests and messages).
enum class RecordStop {
    TodayFound,
    CannotOpen,
    EmptyDayNo,       // a record with an empty DayNo (or a blank line) before today's
    EndOfFile,        // the file ended before today's record
    UnreadableField,  // a field that cannot be read as what its position needs
};

struct RecordReading {
    RecordOutcome outcome = RecordOutcome::Missing;
    RecordStop stop = RecordStop::CannotOpen;
};

// Reads the file's bytes: the header fields, then records until today's.
// An empty time field gives "no time" for that prayer.
RecordReading ReadTodayRecord(const std::string& fileBytes, int todayNo, TodayRecord& record);

// The same from a file; Missing (record untouched) when it cannot be opened.
RecordReading ReadTodayRecordAt(const std::string& path, int todayNo, TodayRecord& record);

}  // namespace announcer
