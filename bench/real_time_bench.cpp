// SPDX-License-Identifier: GPL-3.0-or-later
// The real-time display: one pass per second must stay well inside the tick (target 1 ms), and
// the once-a-minute map update, dominated by the below-horizon grid of 180 x 361 points, must
// leave room for drawing them (target 20 ms with the drawing, which the window measures).

#include <benchmark/benchmark.h>

#include "bench/bench_fixtures.h"
#include "core/constants.h"
#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"

namespace velmorant::bench {
namespace {

RunParameters RealTimeMoon() {
    RunParameters params = MoonYear(1);
    params.Operation = RunOperation::RealTime;
    return params;
}

// A pass of the Moon for both stations, with its labels: the Moon's warm-up over 13 dates, the
// date's noon distance, the Sun at 0h, the instant and both stations.
void BM_RealTimePass(benchmark::State& state) {
    const RunParameters params = RealTimeMoon();
    const SkyTemperatureTable table = SkyTable();
    int second = 0;
    for (auto _ : state) {
        const LocalDateTime now{2016, 3, 16, 18, 0, second};
        second = (second + 1) % 60;
        RealTimePassResult pass = RealTimePass(params, table, now);
        benchmark::DoNotOptimize(pass);
    }
}
BENCHMARK(BM_RealTimePass)->Unit(benchmark::kMicrosecond);

void BM_BelowHorizonDots(benchmark::State& state) {
    std::size_t count = 0;
    for (auto _ : state) {
        const std::vector<MapPixel> dots = BelowHorizonDots(4.5, 0.3);
        count = dots.size();
        benchmark::DoNotOptimize(dots.data());
    }
    state.counters["dots"] = static_cast<double>(count);
}
BENCHMARK(BM_BelowHorizonDots)->Unit(benchmark::kMillisecond);

// The whole map update without drawing: stations, dots, topocentric labels and the az/el line.
void BM_MapUpdate(benchmark::State& state) {
    const RunParameters params = RealTimeMoon();
    const RealTimePassResult pass = RealTimePass(params, SkyTable(), {2016, 3, 16, 18, 0, 0});
    double previous = 0;
    for (auto _ : state) {
        MapUpdateFrame update = MapUpdate(params, pass, previous);
        benchmark::DoNotOptimize(update);
    }
}
BENCHMARK(BM_MapUpdate)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmorant::bench
