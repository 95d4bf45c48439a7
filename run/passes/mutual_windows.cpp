// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/mutual_windows.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>
#include <numeric>
#include <optional>
#include <thread>
#include <utility>

#include "core/series/horizon.h"
#include "run/instant_position.h"
#include "run/passes/dx_screen.h"
#include "run/passes/dx_spread_screen.h"
#include "run/passes/moon_instant_table.h"
#include "run/planning/moon_instant.h"
#include "run/planning/window_filters.h"
#include "run/report/moon_line_layout.h"

namespace velmorant {

namespace {

// Stations handed to a worker at a time: small enough to share the work evenly.
constexpr std::size_t kStationsPerTask = 16;

// Beyond every instant of a grid.
constexpr std::size_t kNoInstant = std::numeric_limits<std::size_t>::max();

// An elevation no view can hold (radians): marks a view the walk's routine left unchanged.
constexpr float kUnsetElevation = 10.0f;

// The first index from `from` on (below `end`) whose class differs from classes[from].
std::size_t RunEnd(const std::uint8_t* classes, std::size_t from, std::size_t end) {
    const std::uint8_t cls = classes[from];
    const std::uint64_t pattern = cls * 0x0101010101010101ULL;
    std::size_t i = from;
    while (i + 8 <= end) {
        std::uint64_t word;
        std::memcpy(&word, classes + i, 8);
        const std::uint64_t diff = word ^ pattern;
        if (diff != 0) {
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(diff)
                                                                       : std::countl_zero(diff);
            return i + static_cast<std::size_t>(bit / 8);
        }
        i += 8;
    }
    while (i < end && classes[i] == cls) {
        ++i;
    }
    return i;
}

// A window as the scan closes it: the grid (MoonInstantTable::Grid) makes the rest of it when
// it is handed on, so that the windows kept meanwhile are small.
struct ClosedWindow {
    std::size_t Station = 0;
    std::size_t First = 0;
    std::size_t Last = 0;
    float DxElevationMax = 0;
    std::optional<double> DxSpreadMinHz;
};

// A worker's room for one date of one station: the elevation sines and the screen's classes of
// the date's instants, and the windows closed, kept until the pass hands them on in order.
struct ScanScratch {
    explicit ScanScratch(std::size_t paddedInstants)
        : Sines(paddedInstants), Classes(paddedInstants) {}
    std::vector<float> Sines;
    std::vector<std::uint8_t> Classes;
    std::vector<ClosedWindow> Closed;
};

// One DX station over the grid, date after date, as the planning walk of that pair would walk
// it. Its open window and the pages of its report carry from one date to the next.
class StationScan {
  public:
    StationScan(const MoonInstantTable& table, const RunParameters& params,
                const std::vector<ElevationScreen>& screens, const DxSpreadScreen* spreads,
                const StationSite& station, std::size_t index)
        : table_(table),
          screens_(screens),
          spreads_(spreads),
          limits_(params.DX),
          place_(HorizonStationOf(GeoSiteOf(station))),
          terrestrial_(TerrestrialPointOf(GeoSiteOf(station))),
          index_(index),
          direction_(DirectionOf(station)) {
        if (params.MaxDegradation != 0) {
            // Only a maximum degradation can cut a day short, and where depends on the pages.
            layout_.emplace(params.OutputLines, params.IncrementMinutes, params.MaxDegradation);
        }
    }

    // Walks date d; windows that close go to scratch.Closed.
    void Walk(std::size_t d, ScanScratch& scratch);
    // Closes the window still open after the last date.
    void Finish(ScanScratch& scratch);
    // The first instant of the open window; none when no window is open.
    std::optional<std::size_t> OpenFirst() const {
        return open_ ? std::optional<std::size_t>(first_) : std::nullopt;
    }

  private:
    // Walks date d; false when the maximum degradation cut it short.
    bool WalkDate(std::size_t d);
    // Instants from ... end - 1 of date d, all of one class of the screen.
    bool WalkRun(std::size_t d, std::size_t from, std::size_t end);
    // The walk's own decision for instant g (Home passes there).
    bool ExactPass(std::size_t g) {
        return ElevationWindowPass(ExactView(g).ElevationSingle, limits_);
    }
    // The walk's DX view at instant g: a zenith instant keeps the view of the last instant at
    // which the walk computed DX (the last one at which Home passed), zero at the start.
    StationView ExactView(std::size_t g) const;
    void Extend(std::size_t g, float sine, std::optional<double> spreadHz = std::nullopt);
    void Close();

    const MoonInstantTable& table_;
    const std::vector<ElevationScreen>& screens_;
    const DxSpreadScreen* spreads_;  // the prepared date's spreads, when screened
    // Every station of the list stands in the DX row, with that row's elevation limits.
    const StationSite& limits_;
    HorizonStation place_;
    TerrestrialPoint terrestrial_;
    std::size_t index_;
    StationDirection direction_;
    std::optional<MoonLineLayout> layout_;
    ScanScratch* scratch_ = nullptr;  // the worker's room while a date is walked

    bool open_ = false;
    std::size_t first_ = 0, last_ = 0;
    float bestSine_ = -2;  // the highest elevation sine of the open window, and where
    std::size_t bestAt_ = 0;
    std::optional<double> spreadMin_;  // the open window's lowest spread, hertz
};

void StationScan::Walk(std::size_t d, ScanScratch& scratch) {
    scratch_ = &scratch;
    if (layout_) {
        layout_->StartDay();
    }
    if (!WalkDate(d)) {
        Close();  // the rest of the date prints nothing
    } else if (layout_) {
        layout_->EndDay();
    }
}

void StationScan::Finish(ScanScratch& scratch) {
    scratch_ = &scratch;
    Close();
}

bool StationScan::WalkDate(std::size_t d) {
    const std::size_t n = table_.InstantsPerDate();
    // Where Home fails every DX station fails: only Home's span of the date is screened.
    const std::size_t homeFirst = table_.HomeFirst(d);
    const std::size_t homeEnd = table_.HomeEnd(d);
    if (homeFirst > 0) {
        Close();
    }
    if (homeFirst < homeEnd) {
        const std::size_t from = homeFirst / MoonInstantTable::kLanes * MoonInstantTable::kLanes;
        const std::size_t to = std::min(table_.PaddedInstantsPerDate(),
                                        (homeEnd + MoonInstantTable::kLanes - 1) /
                                            MoonInstantTable::kLanes * MoonInstantTable::kLanes);
        const std::size_t lane = d * table_.PaddedInstantsPerDate() + from;
        ClassifyInstants(table_.DirectionX() + lane, table_.DirectionY() + lane,
                         table_.DirectionZ() + lane, table_.HomeMask() + lane, to - from,
                         direction_, screens_[d], scratch_->Sines.data() + from,
                         scratch_->Classes.data() + from);
        for (std::size_t j = homeFirst; j < homeEnd;) {
            const std::size_t end = RunEnd(scratch_->Classes.data(), j, homeEnd);
            if (!WalkRun(d, j, end)) {
                return false;
            }
            j = end;
        }
    }
    if (homeEnd < n) {
        Close();
    }
    return true;
}

bool StationScan::WalkRun(std::size_t d, std::size_t from, std::size_t end) {
    const std::size_t n = table_.InstantsPerDate();
    const std::uint8_t cls = scratch_->Classes[from];
    if (cls == kScreenFail) {
        Close();
        return true;
    }
    if (cls == kScreenPass && !layout_ && spreads_ == nullptr) {
        // Every instant of the run prints: the window takes it whole.
        const std::size_t best = from + HighestSine(scratch_->Sines.data() + from, end - from);
        Extend(d * n + from, scratch_->Sines[from]);
        Extend(d * n + best, scratch_->Sines[best]);
        Extend(d * n + end - 1, scratch_->Sines[end - 1]);
        return true;
    }
    for (std::size_t i = from; i < end; ++i) {
        const std::size_t g = d * n + i;
        if (cls == kScreenNearLimit && !ExactPass(g)) {
            Close();
            continue;
        }
        if (layout_ && layout_->Place(table_.Place(g).DayFraction, table_.Degradation(g)).Skipped) {
            return false;
        }
        // The report prints the instant (its pages count it), but a spread above the limit
        // leaves it out of the window.
        std::optional<double> spread;
        if (spreads_ != nullptr) {
            spread = spreads_->Spread(i, terrestrial_);
            if (!spread) {
                Close();
                continue;
            }
        }
        Extend(g, scratch_->Sines[i], spread);
    }
    return true;
}

StationView StationScan::ExactView(std::size_t g) const {
    for (std::size_t at = g;; --at) {
        if (at == g || table_.HomePasses(at)) {
            StationView view;
            view.ElevationSingle = kUnsetElevation;
            DxElevationPass(view, place_, limits_, table_.Place(at));
            if (view.ElevationSingle != kUnsetElevation) {
                return view;
            }
        }
        if (at == 0) {
            return StationView{};
        }
    }
}

void StationScan::Extend(std::size_t g, float sine, std::optional<double> spreadHz) {
    if (!open_) {
        open_ = true;
        first_ = g;
        bestSine_ = -2;
        spreadMin_.reset();
    }
    if (spreadHz && (!spreadMin_ || *spreadHz < *spreadMin_)) {
        spreadMin_ = spreadHz;
    }
    last_ = g;
    if (sine > bestSine_) {
        bestSine_ = sine;
        bestAt_ = g;
    }
}

void StationScan::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    scratch_->Closed.push_back(
        {index_, first_, last_, ExactView(bestAt_).ElevationSingle, spreadMin_});
}

// The stations ranked once by callsign (then list order), so that the order of the windows
// compares numbers.
std::vector<std::size_t> CallsignRanks(std::span<const StationSite> stations) {
    std::vector<std::size_t> order(stations.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return stations[a].Callsign < stations[b].Callsign;
    });
    std::vector<std::size_t> rank(stations.size());
    for (std::size_t r = 0; r < order.size(); ++r) {
        rank[order[r]] = r;
    }
    return rank;
}

// Runs work(w) for w = 0 ... workers - 1, each on a thread of its own but the first, which runs
// on the caller's. A worker's exception (std::bad_alloc above all) raises `failed`, which the
// others look at between their tasks, and is thrown again here once all have ended.
template <typename Work>
void ShareOut(std::size_t workers, std::atomic<bool>& failed, const Work& work) {
    std::vector<std::exception_ptr> errors(workers);
    const auto guarded = [&](std::size_t w) {
        try {
            work(w);
        } catch (...) {
            errors[w] = std::current_exception();
            failed = true;
        }
    };
    // Threads that join as they go: a thread that cannot be started (no memory left) ends the
    // pass with its exception, once the workers already started have stopped.
    std::vector<std::jthread> pool;
    try {
        for (std::size_t w = 1; w < workers; ++w) {
            pool.emplace_back(guarded, w);
        }
    } catch (...) {
        failed = true;
        throw;
    }
    guarded(0);
    pool.clear();
    for (const std::exception_ptr& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
}

// A sink that keeps every window.
class CollectedWindows : public MutualWindowSink {
  public:
    void Write(const MutualWindow& window, const StationSite&) override {
        Windows.push_back(window);
    }
    std::vector<MutualWindow> Windows;
};

}  // namespace

std::vector<MutualWindow> FindMutualWindows(const RunParameters& params,
                                            const SkyTemperatureTable& skyTemperatures,
                                            std::span<const StationSite> stations, int threads,
                                            MutualWindowsProgress* progress) {
    CollectedWindows collected;
    WriteMutualWindows(params, skyTemperatures, stations, threads, collected, progress);
    if (progress != nullptr && progress->StopRequested.load()) {
        return {};
    }
    return std::move(collected.Windows);
}

std::vector<MutualWindow> FindMutualWindows(const MoonInstantTable& table,
                                            const RunParameters& params,
                                            std::span<const StationSite> stations, int threads,
                                            MutualWindowsProgress* progress) {
    CollectedWindows collected;
    WriteMutualWindows(table, params, stations, threads, collected, progress);
    if (progress != nullptr && progress->StopRequested.load()) {
        return {};
    }
    return std::move(collected.Windows);
}

std::size_t WriteMutualWindows(const RunParameters& params,
                               const SkyTemperatureTable& skyTemperatures,
                               std::span<const StationSite> stations, int threads,
                               MutualWindowSink& sink, MutualWindowsProgress* progress,
                               std::optional<double> maxDxSpreadHz) {
    if (stations.empty()) {
        return 0;
    }
    const MoonInstantTable table(params, skyTemperatures, std::max(1, threads));
    return WriteMutualWindows(table, params, stations, threads, sink, progress, maxDxSpreadHz);
}

std::size_t WriteMutualWindows(const MoonInstantTable& table, const RunParameters& params,
                               std::span<const StationSite> stations, int threads,
                               MutualWindowSink& sink, MutualWindowsProgress* progress,
                               std::optional<double> maxDxSpreadHz) {
    const std::size_t dates = table.Dates().size();
    const std::size_t n = table.InstantsPerDate();
    if (progress != nullptr) {
        progress->StepsTotal = stations.size() * dates;
    }
    if (stations.empty()) {
        return 0;
    }
    std::vector<ElevationScreen> screens;
    for (std::size_t d = 0; d < dates; ++d) {
        screens.push_back(ScreenFor(params.DX.AboveRad, params.DX.BelowRad, table.Parallax(d)));
    }
    std::optional<DxSpreadScreen> spreads;
    if (maxDxSpreadHz) {
        spreads.emplace(table, params, *maxDxSpreadHz);
    }
    std::vector<StationScan> scans;
    scans.reserve(stations.size());
    for (std::size_t k = 0; k < stations.size(); ++k) {
        scans.emplace_back(table, params, screens, spreads ? &*spreads : nullptr, stations[k], k);
    }
    const std::vector<std::size_t> rank = CallsignRanks(stations);

    // Date by date, every station walks the date; then the windows that no later date can
    // precede go to the sink. Memory holds the open windows and those closed since the earliest
    // of them opened, not all the windows of the pass.
    const std::size_t workers = static_cast<std::size_t>(std::max(1, threads));
    std::vector<ScanScratch> scratch(workers, ScanScratch(table.PaddedInstantsPerDate()));
    std::vector<ClosedWindow> pending;
    pending.reserve(stations.size());
    std::vector<std::pair<std::size_t, std::size_t>> order;
    order.reserve(stations.size());
    std::atomic<bool> failed{false};
    const auto stopped = [&] {
        return failed.load() || (progress != nullptr && progress->StopRequested.load());
    };
    std::size_t written = 0;
    for (std::size_t d = 0; d <= dates; ++d) {  // d == dates: the windows open at the end close
        if (spreads && d < dates) {
            spreads->PrepareDate(d, static_cast<int>(workers));
        }
        std::atomic<std::size_t> nextTask{0};
        ShareOut(workers, failed, [&](std::size_t w) {
            for (;;) {
                const std::size_t first = nextTask.fetch_add(kStationsPerTask);
                if (first >= scans.size() || stopped()) {
                    return;
                }
                const std::size_t last = std::min(scans.size(), first + kStationsPerTask);
                for (std::size_t k = first; k < last; ++k) {
                    if (d < dates) {
                        scans[k].Walk(d, scratch[w]);
                    } else {
                        scans[k].Finish(scratch[w]);
                    }
                }
                if (progress != nullptr && d < dates) {
                    progress->StepsDone.fetch_add(last - first);
                }
            }
        });
        if (stopped()) {
            return written;
        }
        // Every window still to close starts at the watermark or after it.
        std::size_t watermark = d < dates ? (d + 1) * n : kNoInstant;
        for (const StationScan& scan : scans) {
            watermark = std::min(watermark, scan.OpenFirst().value_or(kNoInstant));
        }
        for (ScanScratch& room : scratch) {
            pending.insert(pending.end(), room.Closed.begin(), room.Closed.end());
            room.Closed.clear();
        }
        // Sorted by a number, start and callsign rank in one, with the window's place: moving
        // pairs of numbers is cheaper than moving windows.
        order.clear();
        for (std::size_t i = 0; i < pending.size(); ++i) {
            if (pending[i].First < watermark) {
                order.emplace_back(pending[i].First * stations.size() + rank[pending[i].Station],
                                   i);
            }
        }
        std::sort(order.begin(), order.end());
        for (const auto& [key, i] : order) {
            const ClosedWindow& closed = pending[i];
            MutualWindow window = table.Grid().WindowOf(closed.Station, closed.First, closed.Last,
                                                        closed.DxElevationMax);
            window.DxSpreadMinHz = closed.DxSpreadMinHz;
            sink.Write(window, stations[closed.Station]);
        }
        written += order.size();
        std::erase_if(pending, [&](const ClosedWindow& w) { return w.First < watermark; });
    }
    return written;
}

}  // namespace velmorant
