// SPDX-License-Identifier: GPL-3.0-or-later
// The mutual windows of 10,000 DX stations against one planning run of a single pair, both over
// the same 30 days at one-minute steps, in one benchmark run: the windows may take at most ten
// times the run (docs/performance.md).

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/bench_fixtures.h"
#include "core/common/constants.h"
#include "run/passes/mutual_windows.h"
#include "run/planning/planning_run.h"
#include "run/report/report_file.h"

namespace velmorant::bench {
namespace {

constexpr int kDays = 30;
constexpr std::size_t kStations = 10000;

// The saved defaults' settings (both stations from -2 to 90 degrees, no time or azimuth
// window, 144 MHz, no paging) over 30 days at one-minute steps.
RunParameters ThirtyDays() {
    RunParameters params = MoonYear(kDays);
    params.Home.AboveRad = params.DX.AboveRad = static_cast<float>(-2 * DegToRad);
    return params;
}

// Stations spread over the globe by a fixed linear congruential sequence (the same list every
// run): latitudes uniform in the sine (equal area), longitudes uniform.
std::vector<StationSite> PseudoRandomStations(const RunParameters& params) {
    std::vector<StationSite> stations(kStations);
    std::uint64_t state = 20261210;
    const auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 9007199254740992.0;  // [0, 1)
    };
    for (std::size_t k = 0; k < kStations; ++k) {
        StationSite& site = stations[k];
        site.Callsign = "S" + std::to_string(k);
        site.Latitude = std::asin(2 * next() - 1) / DegToRad;
        site.Longitude = 360 * next() - 180;
        site.LatitudeRad = site.Latitude * DegToRad;
        site.LongitudeRad = site.Longitude * DegToRad;
        site.AboveRad = params.DX.AboveRad;
        site.BelowRad = params.DX.BelowRad;
    }
    return stations;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each iteration: one planning run of the pair to a file, as `velmorant plan` writes it, then the
// windows of every station of the list on both cores. The time reported is the windows'; the
// counters give both and their ratio (target: at most 10).
void BM_WindowsAgainstPlanThirtyDays(benchmark::State& state) {
    const RunParameters params = ThirtyDays();
    const SkyTemperatureTable table = SkyTable();
    const std::vector<StationSite> stations = PseudoRandomStations(params);
    const auto file = std::filesystem::temp_directory_path() /
                      ("velmorant-windows-bench-" + std::to_string(::getpid()) + ".TXT");
    double planSeconds = 0;
    double windowsSeconds = 0;
    std::size_t windows = 0;
    for (auto _ : state) {
        const auto planStart = std::chrono::steady_clock::now();
        ReportFileSink sink(file);
        RunPlanning(params, table, sink);
        if (!sink.Keep().Written()) {
            state.SkipWithError("the report could not be written");
            break;
        }
        planSeconds += SecondsSince(planStart);

        const auto windowsStart = std::chrono::steady_clock::now();
        windows = FindMutualWindows(params, table, stations, 2).size();
        const double seconds = SecondsSince(windowsStart);
        windowsSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    std::filesystem::remove(file);
    const double iterations = static_cast<double>(state.iterations());
    state.counters["plan_ms"] = 1000 * planSeconds / iterations;
    state.counters["windows_ms"] = 1000 * windowsSeconds / iterations;
    state.counters["ratio"] = windowsSeconds / planSeconds;
    state.counters["windows"] = static_cast<double>(windows);
}
BENCHMARK(BM_WindowsAgainstPlanThirtyDays)->Unit(benchmark::kMillisecond)->UseManualTime();

// Counts the windows handed on.
class CountedWindows : public MutualWindowSink {
  public:
    void Write(const MutualWindow&, const StationSite&) override { ++Count; }
    std::size_t Count = 0;
};

// The same windows at 10368 MHz with and without the libration spread screened (at most 150 Hz on
// the DX path): the range is the screen (0 without, 1 with).
void BM_WindowsWithSpreadThirtyDays(benchmark::State& state) {
    RunParameters params = ThirtyDays();
    params.Band = "10368";
    params.BandMHz = 10368;
    const SkyTemperatureTable table = SkyTable();
    const std::vector<StationSite> stations = PseudoRandomStations(params);
    const std::optional<double> maxSpreadHz =
        state.range(0) != 0 ? std::optional<double>(150.0) : std::nullopt;
    std::size_t windows = 0;
    for (auto _ : state) {
        CountedWindows counted;
        WriteMutualWindows(params, table, stations, 2, counted, nullptr, maxSpreadHz);
        windows = counted.Count;
    }
    state.counters["windows"] = static_cast<double>(windows);
}
BENCHMARK(BM_WindowsWithSpreadThirtyDays)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace velmorant::bench
