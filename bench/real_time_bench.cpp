// SPDX-License-Identifier: GPL-3.0-or-later
// The real-time display: one pass per second must stay well inside the tick (target 1 ms), and
// the once-a-minute map update, dominated by the below-horizon grid of 180 x 361 points, must
// leave room for drawing them (target 20 ms with the drawing, which the window measures).

#include <benchmark/benchmark.h>

#include "bench/bench_fixtures.h"
#include "core/common/constants.h"
#include "core/ephemeris/moon_echo.h"
#include "core/ephemeris/sun_moon_angle.h"
#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"

namespace velmorant::bench {
namespace {

RunParameters RealTimeMoon() {
    RunParameters params = MoonYear(1);
    params.Operation = RunOperation::RealTime;
    return params;
}

// The clock of the n-th pass of a display started at 2016-03-16 18:00:00: one pass a second,
// across minutes and hours (back to 18:00 after six hours).
LocalDateTime PassClock(int n) {
    return {2016, 3, 16, 18 + n / 3600 % 6, n / 60 % 60, n % 60};
}

// A pass of the Moon for both stations, with its labels, the Doppler and the echo figures
// (spreads, Doppler rate, delay, Sun-Moon angle), as the display runs it each second: the date's
// values (the Moon's warm-up over 13 dates, the date's noon distance, the
// Sun at 0h) and the Doppler frame from the display's cache, computed again once a minute; the
// instant and both stations.
void BM_RealTimePass(benchmark::State& state) {
    const RunParameters params = RealTimeMoon();
    const SkyTemperatureTable table = SkyTable();
    RealTimeCache cache;
    int n = 0;
    for (auto _ : state) {
        RealTimePassResult pass = RealTimePass(params, table, PassClock(n++), std::nullopt, cache);
        benchmark::DoNotOptimize(pass);
    }
}
BENCHMARK(BM_RealTimePass)->Unit(benchmark::kMicrosecond);

// The same pass computing everything afresh, as a single frame (`velmorant track`) does.
void BM_RealTimePassWithoutCache(benchmark::State& state) {
    const RunParameters params = RealTimeMoon();
    const SkyTemperatureTable table = SkyTable();
    int n = 0;
    for (auto _ : state) {
        RealTimePassResult pass = RealTimePass(params, table, PassClock(n++));
        benchmark::DoNotOptimize(pass);
    }
}
BENCHMARK(BM_RealTimePassWithoutCache)->Unit(benchmark::kMicrosecond);

// The pass's share for the echo figures alone: the libration spreads, the echo Doppler's rate
// and delay (the Moon and both stations 30 s either side of the instant and at it) and the
// Sun-Moon angle, at 10368 MHz with a frame computed once, instants one second apart.
void BM_MoonEchoFigures(benchmark::State& state) {
    const GeoSite home{0.8, -0.2};
    const GeoSite dx{-0.6, 2.1};
    const DopplerFrame frame = DopplerFrameAt({2016, 3, 16, 18, 0, 0});
    int n = 0;
    for (auto _ : state) {
        const UtcDateTime instant{2016, 3, 16, 18, n / 60 % 60, static_cast<double>(n % 60)};
        ++n;
        const MoonEchoFigures figures = MoonEchoFiguresAt(instant, frame, home, dx, 10368e6);
        const double angle = SunMoonAngleDeg(instant, frame, home);
        benchmark::DoNotOptimize(figures);
        benchmark::DoNotOptimize(angle);
    }
}
BENCHMARK(BM_MoonEchoFigures)->Unit(benchmark::kMicrosecond);

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
