// SPDX-License-Identifier: GPL-3.0-or-later
// A whole planning run written to a file: its time against the engine alone, and its peak memory,
// which must not grow with the date range (the report is streamed, nothing is kept per instant).

#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include <benchmark/benchmark.h>

#include "bench/bench_fixtures.h"
#include "run/planning/planning_run.h"
#include "run/report/report_file.h"

namespace velmorant::bench {
namespace {

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in kilobytes on Linux
}

void BM_PlanningRunToFile(benchmark::State& state) {
    const int days = static_cast<int>(state.range(0));
    const RunParameters params = MoonYear(days);
    const SkyTemperatureTable table = SkyTable();
    const auto file = std::filesystem::temp_directory_path() /
                      ("velmorant-bench-" + std::to_string(::getpid()) + ".TXT");
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        ReportFileSink sink(file);
        RunPlanning(params, table, sink);
        if (!sink.Keep().Written()) {
            state.SkipWithError("the report could not be written");
            break;
        }
        bytes = std::filesystem::file_size(file);
    }
    std::filesystem::remove(file);
    state.counters["instants"] = days * 1441.0;
    state.counters["report_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_RSS_MB"] = PeakResidentMegabytes();
}
// The 30-day case runs first: its peak memory is the baseline the 365-day run must not exceed
// by more than the process noise.
BENCHMARK(BM_PlanningRunToFile)->Arg(30)->Arg(365)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmorant::bench
