// One place's year: the computation and the 366 day lines, as the preview and the
// year writer run it on every edit.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/day_line.h"
#include "engine/line_sink.h"
#include "engine/solar.h"
#include "engine/year_writer.h"

namespace {

void BM_ComputeYearWithDayLines(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t bytes = 0;
        engine::ComputeYear(18.233, 42.517, 3, 1, [&](const engine::DayEvents& day) {
            const std::string line = engine::CalculatorDayLine(day);
            bytes += line.size();
        });
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ComputeYearWithDayLines)->Unit(benchmark::kMicrosecond);

void BM_ComputeYearOnly(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        engine::ComputeYear(18.233, 42.517, 3, 1, [&](const engine::DayEvents& day) { sum += day.clock[0]; });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ComputeYearOnly)->Unit(benchmark::kMicrosecond);

void BM_WriteYearLinesToMemory(benchmark::State& state) {
    for (auto _ : state) {
        engine::StringLineSink sink;
        engine::WriteYearLines(sink, 18.233, 42.517, 3, 1);
        benchmark::DoNotOptimize(sink.text().data());
    }
}
BENCHMARK(BM_WriteYearLinesToMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
