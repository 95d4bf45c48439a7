// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-list windows end to end, as an operator runs them: the installed command over a
// station list of 10,000, CSV to a file, against one pair's `plan` over the same dates, both
// at one-minute steps, each a process of its own whose CPU time (user and system) and peak
// resident memory the kernel reports when it ends (docs/performance.md).

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <spawn.h>

extern char** environ;

namespace velmorant::bench {
namespace {

constexpr int kStations = 10000;

// What the kernel reports of a child process that ended.
struct ChildUsage {
    bool Succeeded = false;
    double CpuSeconds = 0;  // user and system
    double PeakMegabytes = 0;
};

ChildUsage RunCommand(std::vector<std::string> args) {
    args.insert(args.begin(), VELMORANT_COMMAND);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return {};
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return {};
    }
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0,
            seconds(usage.ru_utime) + seconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// A folder with the saved defaults (Home JN58td, DX FN31pq, both from -2 to 90 degrees), the sky
// temperatures and a list of 10,000 stations spread over the globe by a fixed linear
// congruential sequence (the same list every run), removed at the end.
class StationFolder {
  public:
    StationFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("velmorant-windows-command-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
        for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT"}) {
            std::filesystem::copy_file(std::filesystem::path(VELMORANT_DATA) / name, path_ / name,
                                       std::filesystem::copy_options::overwrite_existing);
        }
        std::ofstream list(path_ / "CALL3.TXT", std::ios::binary);
        std::uint64_t state = 20261211;
        const auto next = [&state](int count) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(count));
        };
        for (int k = 0; k < kStations; ++k) {
            // Field letters A-R, square digits, subsquare letters a-x: uniform in latitude.
            const std::string locator = {
                static_cast<char>('A' + next(18)), static_cast<char>('A' + next(18)),
                static_cast<char>('0' + next(10)), static_cast<char>('0' + next(10)),
                static_cast<char>('a' + next(24)), static_cast<char>('a' + next(24))};
            list << "S" << k << "," << locator << ",\r\n";
        }
    }
    ~StationFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    StationFolder(const StationFolder&) = delete;
    StationFolder& operator=(const StationFolder&) = delete;

    std::string operator/(const char* name) const { return (path_ / name).string(); }
    std::string Path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

std::vector<std::string> PlanArgs(const StationFolder& folder) {
    return {"plan",       "--dir", folder.Path(),           "--start",  "2016-01-01",       "--end",
            "2016-01-30", "--set", "txtIncrementMinutes=1", "--output", folder / "plan.txt"};
}

std::vector<std::string> WindowsArgs(const StationFolder& folder, int days) {
    return {"windows",
            "--dir",
            folder.Path(),
            "--start",
            "2016-01-01",
            "--days",
            std::to_string(days),
            "--set",
            "txtIncrementMinutes=1",
            "--format",
            "csv",
            "--output",
            folder / "windows.csv"};
}

// Each iteration: the pair's plan over 30 days, then the windows of the 10,000 stations over
// the same 30 days. The time reported is the windows' CPU time; the counters give both and
// their ratio (target: at most 5).
void BM_WindowsCommandAgainstPlan(benchmark::State& state) {
    const StationFolder folder;
    double planSeconds = 0;
    double windowsSeconds = 0;
    for (auto _ : state) {
        const ChildUsage plan = RunCommand(PlanArgs(folder));
        const ChildUsage windows = RunCommand(WindowsArgs(folder, 30));
        if (!plan.Succeeded || !windows.Succeeded) {
            state.SkipWithError("a command failed");
            break;
        }
        planSeconds += plan.CpuSeconds;
        windowsSeconds += windows.CpuSeconds;
        state.SetIterationTime(windows.CpuSeconds);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["plan_cpu_ms"] = 1000 * planSeconds / iterations;
    state.counters["windows_cpu_ms"] = 1000 * windowsSeconds / iterations;
    state.counters["ratio"] = windowsSeconds / planSeconds;
}
BENCHMARK(BM_WindowsCommandAgainstPlan)->Unit(benchmark::kMillisecond)->UseManualTime();

// The windows of the 10,000 stations over 366 days: the peak resident memory of the command
// (target: under 200 MB) and its CPU time.
void BM_WindowsCommandYear(benchmark::State& state) {
    const StationFolder folder;
    double peak = 0;
    for (auto _ : state) {
        const ChildUsage windows = RunCommand(WindowsArgs(folder, 366));
        if (!windows.Succeeded) {
            state.SkipWithError("the command failed");
            break;
        }
        peak = std::max(peak, windows.PeakMegabytes);
        state.SetIterationTime(windows.CpuSeconds);
    }
    state.counters["peak_rss_mb"] = peak;
}
BENCHMARK(BM_WindowsCommandYear)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace
}  // namespace velmorant::bench
