// Any bytes as a times file: the reader must end, stay inside the bytes and keep
// its promises about what it hands back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/field_reader.h"
#include "engine/leading_number.h"
#include "engine/times_file.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    engine::TimesFileData file;
    const engine::ReadOutcome outcome = engine::ReadTimesFile(bytes, file);
    Check(file.days.size() <= engine::DaysInYear);
    if (outcome == engine::ReadOutcome::Whole) Check(file.days.size() == engine::DaysInYear);
    for (std::size_t i = 0; i < file.days.size(); ++i) {
        Check(file.days[i].dayNo == static_cast<int>(i + 1));
        for (int t : file.days[i].times) Check(t >= 0 && t < 86400);
    }

    // The field kinds in an order the bytes choose; every call must make progress or
    // report the end.
    engine::FieldReader reader(bytes);
    std::size_t steps = 0;
    while (!reader.atEnd()) {
        Check(++steps <= size + 1);
        switch (steps % 3) {
            case 0: {
                const auto f = reader.time();
                if (f.ok()) Check(f.value >= 0 && f.value < 86400);
                break;
            }
            case 1: reader.number(); break;
            default: reader.text(); break;
        }
    }
    Check(reader.text().status == engine::FieldStatus::EndOfFile);

    (void)engine::LeadingNumber(bytes);
    (void)engine::ParseTimeOfDay(bytes);
    return 0;
}
