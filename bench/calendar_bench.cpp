// SPDX-License-Identifier: GPL-3.0-or-later
// The EME calendar of a year: one planning walk summed up date by date, to be compared with the
// year's planning report written to a file (BM_PlanningRunToFile/365), which it must not exceed.

#include <benchmark/benchmark.h>

#include "bench/bench_fixtures.h"
#include "run/passes/calendar_days.h"

namespace velmorant::bench {
namespace {

void BM_CalendarYear(benchmark::State& state) {
    const int days = static_cast<int>(state.range(0));
    const RunParameters params = MoonYear(days);
    const SkyTemperatureTable table = SkyTable();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanCalendar(params, table));
    }
    state.counters["instants"] = days * 1441.0;
}
BENCHMARK(BM_CalendarYear)->Arg(365)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmorant::bench
