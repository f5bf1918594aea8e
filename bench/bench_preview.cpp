// One keystroke's preview: the whole year computed, every day line built, today's
// turned into the three preview lines, as the window does on every change of a box.
#include "calculator/preview_text.h"
#include "engine/day_line.h"
#include "engine/solar.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_KeystrokePreview(benchmark::State& state) {
    const int today = 180;
    for (auto _ : state) {
        std::string preview;
        engine::ComputeYear(21.4225, 39.8262, 3, 1, [&](const engine::DayEvents& day) {
            std::string line = engine::BuildDayLine(day);
            if (day.dayNo == today) preview = calculator::PreviewLines(std::move(line));
        });
        benchmark::DoNotOptimize(preview);
    }
}
BENCHMARK(BM_KeystrokePreview)->Unit(benchmark::kMicrosecond);

}  // namespace
