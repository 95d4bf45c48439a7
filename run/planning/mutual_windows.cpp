// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/mutual_windows.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <optional>
#include <thread>

#include "run/planning/dx_screen.h"
#include "run/planning/moon_instant.h"
#include "run/planning/moon_instant_table.h"
#include "run/planning/window_filters.h"
#include "run/report/moon_line_layout.h"

namespace velmorant {

namespace {

// Stations handed to a worker at a time: small enough to share the work evenly.
constexpr std::size_t kStationsPerTask = 16;

// An elevation no view can hold (radians): marks a view the walk's routine left unchanged.
constexpr float kUnsetElevation = 10.0f;

int MinutesOfDay(float hhmm) {
    const long whole = std::lround(hhmm);
    return static_cast<int>(whole / 100 * 60 + whole % 100);
}

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

// One DX station over the whole grid, date after date, as the planning walk of that pair would
// walk it.
class StationScan {
  public:
    StationScan(const MoonInstantTable& table, const RunParameters& params,
                const std::vector<ElevationScreen>& screens, const StationSite& station,
                std::size_t index, std::vector<float>& sines, std::vector<std::uint8_t>& classes,
                std::vector<MutualWindow>& out)
        : table_(table),
          screens_(screens),
          site_(station),
          index_(index),
          direction_(DirectionOf(station)),
          sines_(sines),
          classes_(classes),
          out_(out) {
        // Every station of the list stands in the DX row, with that row's elevation limits.
        site_.AboveRad = params.DX.AboveRad;
        site_.BelowRad = params.DX.BelowRad;
        if (params.MaxDegradation != 0) {
            // Only a maximum degradation can cut a day short, and where depends on the pages.
            layout_.emplace(params.OutputLines, params.IncrementMinutes, params.MaxDegradation);
        }
    }

    void Run();

  private:
    // Walks date d; false when the maximum degradation cut it short.
    bool WalkDate(std::size_t d);
    // Instants from ... end - 1 of date d, all of one class of the screen.
    bool WalkRun(std::size_t d, std::size_t from, std::size_t end);
    // The walk's own decision for instant g (Home passes there).
    bool ExactPass(std::size_t g) {
        return ElevationWindowPass(ExactView(g).ElevationSingle, site_);
    }
    // The walk's DX view at instant g: a zenith instant keeps the view of the last instant at
    // which the walk computed DX (the last one at which Home passed), zero at the start.
    StationView ExactView(std::size_t g) const;
    void Extend(std::size_t g, float sine);
    void Close();

    const MoonInstantTable& table_;
    const std::vector<ElevationScreen>& screens_;
    StationSite site_;
    const std::size_t index_;
    const StationDirection direction_;
    std::vector<float>& sines_;
    std::vector<std::uint8_t>& classes_;
    std::vector<MutualWindow>& out_;
    std::optional<MoonLineLayout> layout_;

    bool open_ = false;
    std::size_t first_ = 0, last_ = 0;
    float bestSine_ = -2;  // the highest elevation sine of the open window, and where
    std::size_t bestAt_ = 0;
};

void StationScan::Run() {
    for (std::size_t d = 0; d < table_.Dates().size(); ++d) {
        if (layout_) {
            layout_->StartDay();
        }
        if (!WalkDate(d)) {
            Close();  // the rest of the date prints nothing
        } else if (layout_) {
            layout_->EndDay();
        }
    }
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
                         direction_, screens_[d], sines_.data() + from, classes_.data() + from);
        for (std::size_t j = homeFirst; j < homeEnd;) {
            const std::size_t end = RunEnd(classes_.data(), j, homeEnd);
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
    const std::uint8_t cls = classes_[from];
    if (cls == kScreenFail) {
        Close();
        return true;
    }
    if (cls == kScreenPass && !layout_) {
        // Every instant of the run prints: the window takes it whole.
        const std::size_t best = from + HighestSine(sines_.data() + from, end - from);
        Extend(d * n + from, sines_[from]);
        Extend(d * n + best, sines_[best]);
        Extend(d * n + end - 1, sines_[end - 1]);
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
        Extend(g, sines_[i]);
    }
    return true;
}

StationView StationScan::ExactView(std::size_t g) const {
    for (std::size_t at = g;; --at) {
        if (at == g || table_.HomePasses(at)) {
            StationView view;
            view.ElevationSingle = kUnsetElevation;
            DxFiltersPass(view, site_, table_.Place(at));
            if (view.ElevationSingle != kUnsetElevation) {
                return view;
            }
        }
        if (at == 0) {
            return StationView{};
        }
    }
}

void StationScan::Extend(std::size_t g, float sine) {
    if (!open_) {
        open_ = true;
        first_ = g;
        bestSine_ = -2;
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
    const std::size_t n = table_.InstantsPerDate();
    const auto gridInstant = [&](std::size_t g) {
        return GridInstant{table_.Dates()[g / n].Date, table_.DayInstants()[g % n]};
    };
    MutualWindow window;
    window.Station = index_;
    window.First = first_;
    window.Last = last_;
    window.Start = gridInstant(first_);
    window.End = gridInstant(last_);
    const double days = table_.Dates()[last_ / n].DayCursor - table_.Dates()[first_ / n].DayCursor;
    window.LengthMinutes = static_cast<int>(std::lround(days * 1440)) +
                           MinutesOfDay(window.End.UtcHHMM) - MinutesOfDay(window.Start.UtcHHMM);
    window.HomeAzimuthStart = table_.HomeView(first_).AzimuthSingle;
    window.HomeAzimuthEnd = table_.HomeView(last_).AzimuthSingle;
    window.HomeElevationMax = table_.HomeElevationMax(first_, last_);
    window.DegradationMin = table_.DegradationMin(first_, last_);
    window.DxElevationMax = ExactView(bestAt_).ElevationSingle;
    out_.push_back(window);
}

}  // namespace

std::vector<MutualWindow> FindMutualWindows(const RunParameters& params,
                                            const SkyTemperatureTable& skyTemperatures,
                                            std::span<const StationSite> stations, int threads,
                                            MutualWindowsProgress* progress) {
    if (stations.empty()) {
        return {};
    }
    const MoonInstantTable table(params, skyTemperatures, std::max(1, threads));
    return FindMutualWindows(table, params, stations, threads, progress);
}

std::vector<MutualWindow> FindMutualWindows(const MoonInstantTable& table,
                                            const RunParameters& params,
                                            std::span<const StationSite> stations, int threads,
                                            MutualWindowsProgress* progress) {
    if (stations.empty()) {
        return {};
    }
    const int workers = std::max(1, threads);
    std::vector<ElevationScreen> screens;
    for (std::size_t d = 0; d < table.Dates().size(); ++d) {
        screens.push_back(ScreenFor(params.DX.AboveRad, params.DX.BelowRad, table.Parallax(d)));
    }

    std::atomic<std::size_t> nextTask{0};
    std::vector<std::vector<MutualWindow>> found(static_cast<std::size_t>(workers));
    const auto work = [&](std::vector<MutualWindow>& out) {
        std::vector<float> sines(table.PaddedInstantsPerDate());
        std::vector<std::uint8_t> classes(table.PaddedInstantsPerDate());
        for (;;) {
            const std::size_t first = nextTask.fetch_add(kStationsPerTask);
            if (first >= stations.size()) {
                return;
            }
            const std::size_t last = std::min(stations.size(), first + kStationsPerTask);
            for (std::size_t k = first; k < last; ++k) {
                if (progress != nullptr && progress->StopRequested.load()) {
                    return;
                }
                StationScan(table, params, screens, stations[k], k, sines, classes, out).Run();
                if (progress != nullptr) {
                    progress->StationsDone.fetch_add(1);
                }
            }
        }
    };
    std::vector<std::thread> pool;
    for (int w = 1; w < workers; ++w) {
        pool.emplace_back(work, std::ref(found[static_cast<std::size_t>(w)]));
    }
    work(found[0]);
    for (auto& worker : pool) {
        worker.join();
    }
    if (progress != nullptr && progress->StopRequested.load()) {
        return {};
    }

    std::vector<MutualWindow> windows;
    for (auto& part : found) {
        windows.insert(windows.end(), part.begin(), part.end());
    }
    // The stations ranked once by callsign (then list order), so that the sort compares numbers.
    std::vector<std::size_t> order(stations.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return stations[a].Callsign < stations[b].Callsign;
    });
    std::vector<std::size_t> rank(stations.size());
    for (std::size_t r = 0; r < order.size(); ++r) {
        rank[order[r]] = r;
    }
    std::sort(windows.begin(), windows.end(), [&](const MutualWindow& a, const MutualWindow& b) {
        return a.First != b.First ? a.First < b.First : rank[a.Station] < rank[b.Station];
    });
    return windows;
}

std::size_t WriteMutualWindows(const RunParameters& params,
                               const SkyTemperatureTable& skyTemperatures,
                               std::span<const StationSite> stations, int threads,
                               MutualWindowSink& sink) {
    const std::vector<MutualWindow> windows =
        FindMutualWindows(params, skyTemperatures, stations, threads);
    for (const MutualWindow& window : windows) {
        sink.Write(window, stations[window.Station]);
    }
    return windows.size();
}

}  // namespace velmorant
