// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/common/calendar.h"
#include "core/series/degradation.h"
#include "run/run_parameters.h"

// The mutual windows of one Home station with many DX stations: for each DX station, the maximal
// runs of consecutive instants of the step grid at which the planning run of that Home/DX pair
// (the Moon, both stations displayed, the same settings) prints a line. The grid's 2400 of a
// date and 0000 of the next are consecutive instants (the same moment), so a window may run
// across midnight.

namespace velmorant {

// One instant of the grid as the report prints it: the planning date and hhmm (2400 possible).
struct GridInstant {
    CalendarDate Date;
    float UtcHHMM = 0;
};

struct MutualWindow {
    std::size_t Station = 0;  // index into the list of DX stations
    std::size_t First = 0;    // the grid instants (date index * instants per date + instant)
    std::size_t Last = 0;
    GridInstant Start;
    GridInstant End;
    int LengthMinutes = 0;       // End less Start in minutes (0 for a single instant)
    float HomeAzimuthStart = 0;  // radians, Single as the report holds it
    float HomeAzimuthEnd = 0;
    float HomeElevationMax = 0;  // radians: the highest of the window's instants
    // Radians: the walk's elevation at the instant of the window's highest geocentric elevation
    // (the highest of the window's elevations but where two instants lie within 0.007 degree,
    // the parallax's dependence on the azimuth, of each other).
    float DxElevationMax = 0;
    float DegradationMin = 0;  // dB, the lowest of the window's instants
    // Hertz at the run's band: the lowest libration spread of the path from Home to the station
    // over the window's instants, when the pass screened the spread.
    std::optional<double> DxSpreadMinHz;
};

// Where the windows go, in order of start and then DX callsign.
class MutualWindowSink {
  public:
    virtual ~MutualWindowSink() = default;
    virtual void Write(const MutualWindow& window, const StationSite& station) = 0;
};

// A pass watched and stopped from another thread. Its work is counted in steps, a station over a
// date: the pass sets the total when it starts and counts the steps done; between small groups of
// stations it looks whether it was asked to stop.
struct MutualWindowsProgress {
    std::atomic<std::size_t> StepsTotal{0};
    std::atomic<std::size_t> StepsDone{0};
    std::atomic<bool> StopRequested{false};
};

class MoonInstantTable;

// The windows of params' Home with each of `stations` (their coordinates, callsigns and
// locators; their elevation limits are params.DX's, the DX row of the window), over params'
// dates at its increment, with its time and azimuth windows and maximum degradation and paging
// (which decide, with the degradation, where a day is cut short). params must be a Moon run.
// The work is shared out among `threads` threads. Returns the windows sorted by start and then
// DX callsign (then list order). With `progress`, a pass asked to stop returns no windows.
std::vector<MutualWindow> FindMutualWindows(const RunParameters& params,
                                            const SkyTemperatureTable& skyTemperatures,
                                            std::span<const StationSite> stations, int threads,
                                            MutualWindowsProgress* progress = nullptr);

// The same over the instants of a table already built for params (the chart shares its table).
std::vector<MutualWindow> FindMutualWindows(const MoonInstantTable& table,
                                            const RunParameters& params,
                                            std::span<const StationSite> stations, int threads,
                                            MutualWindowsProgress* progress = nullptr);

// The same, handed to `sink` (on the calling thread) in that order as the pass goes, date by
// date: memory holds the windows still open, not all the windows found. Returns the number of
// windows written; a pass asked to stop writes no more. A worker's exception (std::bad_alloc)
// is thrown again to the caller. With maxDxSpreadHz, an instant whose libration spread on the
// path from Home to the station (core/ephemeris/libration_field.h, at the run's band) exceeds it
// ends a window as an instant the report leaves out does, and each window carries its lowest
// spread.
std::size_t WriteMutualWindows(const RunParameters& params,
                               const SkyTemperatureTable& skyTemperatures,
                               std::span<const StationSite> stations, int threads,
                               MutualWindowSink& sink, MutualWindowsProgress* progress = nullptr,
                               std::optional<double> maxDxSpreadHz = std::nullopt);
std::size_t WriteMutualWindows(const MoonInstantTable& table, const RunParameters& params,
                               std::span<const StationSite> stations, int threads,
                               MutualWindowSink& sink, MutualWindowsProgress* progress = nullptr,
                               std::optional<double> maxDxSpreadHz = std::nullopt);

}  // namespace velmorant
