#include "engine/times_file.h"

#include <utility>

#include "engine/field_reader.h"

namespace engine {

ReadOutcome ReadTimesFile(const std::string& bytes, TimesFileData& out) {
    out = TimesFileData{};
    if (bytes.size() > TimesFileByteLimit) return ReadOutcome::Damaged;
    FieldReader reader(bytes);
    bool damaged = false;

    for (std::size_t i = 0; i < out.header.size(); ++i) {
        HeaderField& h = out.header[i];
        if (IsNumberField(i)) {
            const Field<double> f = reader.number();
            if (f.status == FieldStatus::EndOfFile) return ReadOutcome::Damaged;
            h.isNumber = f.ok();
            h.number = f.ok() ? f.value : 0;
            h.text = f.raw;
            if (!f.ok()) damaged = true;  // the bearing and the place must be numbers
        } else {
            const Field<std::string> f = reader.text();
            if (f.status == FieldStatus::EndOfFile) return ReadOutcome::Damaged;
            h.text = f.value;
        }
    }

    out.days.reserve(DaysInYear);
    // Only the DaysInYear records are read: the closing block behind them is never reached.
    for (int expected = 1; expected <= DaysInYear; ++expected) {
        const Field<double> dayNo = reader.number();
        if (!dayNo.ok() || dayNo.value != static_cast<double>(expected)) return ReadOutcome::Damaged;
        DayRecord record;
        record.dayNo = expected;
        const Field<std::string> date = reader.text();
        if (date.status == FieldStatus::EndOfFile) return ReadOutcome::Damaged;
        record.date = date.value;
        for (int& t : record.times) {
            const Field<int> f = reader.time();
            if (!f.ok()) return ReadOutcome::Damaged;
            t = f.value;
        }
        out.days.push_back(std::move(record));
    }
    return damaged ? ReadOutcome::Damaged : ReadOutcome::Whole;
}

}  // namespace engine
