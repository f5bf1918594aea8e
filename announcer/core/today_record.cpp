#include "announcer/core/today_record.h"

#include "engine/city_line.h"
#include "engine/day_numbering.h"
#include "engine/field_reader.h"
#include "engine/times_file.h"
#include "engine/utf8_text.h"
#include "files/file_bytes.h"

namespace announcer {

int TodayNo(int month, int day) { return engine::LeapDayNo(month, day); }

namespace {

RecordStop StopFor(engine::FieldStatus status) {
    return status == engine::FieldStatus::EndOfFile ? RecordStop::EndOfFile : RecordStop::UnreadableField;
}

RecordReading Stopped(RecordStop stop) {
    return RecordReading{stop == RecordStop::TodayFound ? RecordOutcome::Found : RecordOutcome::Damaged, stop};
}

// Where a header number goes in the record; nothing for a field the announcer drops.
double* NumberTarget(TodayRecord& record, std::size_t field) {
    namespace field_at = engine::header_field;
    switch (field) {
        case field_at::QiblaBearing: return &record.qiblahDirection;
        case field_at::Latitude: return &record.latitude;
        case field_at::Longitude: return &record.longitude;
        case field_at::TimeZone: return &record.timeZone;
        default: return nullptr;
    }
}

// The header's bearing and place go into the record with the city; the others are
// read and dropped. An empty number field is kept as 0, as the box rule reads "".
bool ReadHeader(engine::FieldReader& reader, TodayRecord& record, RecordStop& stop) {
    for (std::size_t field = 0; field < engine::HeaderFieldCount; ++field) {
        if (engine::IsNumberField(field)) {
            const auto f = reader.number();
            if (f.status == engine::FieldStatus::Value || f.status == engine::FieldStatus::Empty) {
                if (double* target = NumberTarget(record, field))
                    *target = f.status == engine::FieldStatus::Value ? f.value : 0.0;
                continue;
            }
            stop = StopFor(f.status);
            return false;
        }
        const auto f = reader.text();
        if (f.status == engine::FieldStatus::Value || f.status == engine::FieldStatus::Empty) {
            if (field == engine::header_field::City)
                record.cityName = f.status == engine::FieldStatus::Value
                                      ? engine::CityLine(engine::FileTextAsUtf8(f.value))
                                      : std::string();
            continue;
        }
        stop = StopFor(f.status);
        return false;
    }
    return true;
}

// One DayLine of 8 fields; each field overwrites its value as it is read.
// emptyDayNo tells that this record's DayNo field was read and empty.
bool ReadRecord(engine::FieldReader& reader, TodayRecord& record, RecordStop& stop, bool& emptyDayNo) {
    emptyDayNo = false;
    const auto dayNo = reader.number();
    if (dayNo.status == engine::FieldStatus::Value) {
        record.recordDayNo = dayNo.value;
    } else if (dayNo.status == engine::FieldStatus::Empty) {
        record.recordDayNo.reset();
        emptyDayNo = true;
    } else {
        stop = StopFor(dayNo.status);
        return false;
    }
    const auto date = reader.text();
    if (date.status == engine::FieldStatus::Damaged || date.status == engine::FieldStatus::EndOfFile) {
        stop = StopFor(date.status);
        return false;
    }
    for (int i = 0; i < TimesPerDay; ++i) {
        const auto t = reader.time();
        if (t.status == engine::FieldStatus::Value) {
            record.times[i] = TimeValue{0, t.value};
        } else if (t.status == engine::FieldStatus::Empty) {
            record.times[i].reset();
        } else {
            stop = StopFor(t.status);
            return false;
        }
    }
    return true;
}

RecordReading ReadUntilToday(engine::FieldReader& reader, int todayNo, TodayRecord& record) {
    RecordStop stop = RecordStop::EndOfFile;
    if (!ReadHeader(reader, record, stop)) return Stopped(stop);
    for (;;) {
        bool emptyDayNo = false;
        const bool read = ReadRecord(reader, record, stop, emptyDayNo);
        // A record whose DayNo was empty is the damage, whatever its other fields hold
        // (a blank line gives an empty DayNo and then shifts the fields after it).
        if (emptyDayNo) return Stopped(RecordStop::EmptyDayNo);
        if (!read) return Stopped(stop);
        if (*record.recordDayNo == static_cast<double>(todayNo)) return Stopped(RecordStop::TodayFound);
    }
}

}  // namespace

RecordReading ReadTodayRecord(const std::string& fileBytes, int todayNo, TodayRecord& record) {
    engine::FieldReader reader(fileBytes);
    const RecordReading reading = ReadUntilToday(reader, todayNo, record);
    // Whatever record was read last belongs to another day (or is only part of
    // one): none of its times are today's, so none are shown or called.
    if (reading.outcome == RecordOutcome::Damaged) record.times = TodayTimes{};
    return reading;
}

RecordReading ReadTodayRecordAt(const std::string& path, int todayNo, TodayRecord& record) {
    const files::FileBytes file = files::ReadFileBytes(path, engine::TimesFileByteLimit);
    if (file.status == files::FileRead::CannotOpen)
        return RecordReading{RecordOutcome::Missing, RecordStop::CannotOpen};
    if (file.status == files::FileRead::TooLong) {
        record.times = TodayTimes{};
        return RecordReading{RecordOutcome::Damaged, RecordStop::UnreadableField};
    }
    return ReadTodayRecord(file.bytes, todayNo, record);
}

}  // namespace announcer
