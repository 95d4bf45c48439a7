// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/series/degradation.h"
#include "core/series/horizon.h"
#include "run/passes/window_grid.h"
#include "run/planning/moon_instant.h"
#include "run/planning/step_grid.h"
#include "run/run_parameters.h"

// Everything of a Moon planning run that does not depend on the DX station, computed once for
// every instant of the step grid: the Moon's place, the Home station's view and filters, the
// degradation, and the Moon's direction as a unit vector for the screen of many DX stations.

namespace velmorant {

class MoonInstantTable {
  public:
    // The instants of the run's grid (its dates and its increment), computed with the planning
    // walk's own routines, on `threads` threads (the Moon's places; the Home views follow in
    // order, since a zenith instant keeps the view before it). Home's filters are applied as in
    // a run with the Home station displayed.
    MoonInstantTable(const RunParameters& params, const SkyTemperatureTable& table, int threads);

    const std::vector<PlanningDate>& Dates() const { return dates_; }
    const std::vector<float>& DayInstants() const { return dayInstants_; }
    std::size_t InstantsPerDate() const { return dayInstants_.size(); }
    std::size_t Size() const { return places_.size(); }

    // Instant g of the grid is instant g % InstantsPerDate() of date g / InstantsPerDate().
    const MoonInstantPlace& Place(std::size_t g) const { return places_[g]; }
    bool HomePasses(std::size_t g) const { return homePass_[g] != 0; }
    // 0xff where Home passes, 0 elsewhere, laid out as the directions below (for the screen).
    const std::uint8_t* HomeMask() const { return homeMask_.data(); }
    const StationView& HomeView(std::size_t g) const { return homeViews_[g]; }
    float Degradation(std::size_t g) const { return degradation_[g]; }
    // The Moon's geocentric direction in the frame of the Greenwich meridian: x toward hour
    // angle 0, y toward hour angle 90 degrees (west), z toward the north pole; Singles, with
    // InstantsPerDate() rounded up to a multiple of kLanes per date (the padding is 0).
    const float* DirectionX() const { return x_.data(); }
    const float* DirectionY() const { return y_.data(); }
    const float* DirectionZ() const { return z_.data(); }
    std::size_t PaddedInstantsPerDate() const { return padded_; }
    // The instants of date d from the first to the last at which Home passes, as [first, end)
    // within the date (first == end when Home passes at none).
    std::size_t HomeFirst(std::size_t date) const { return homeFirst_[date]; }
    std::size_t HomeEnd(std::size_t date) const { return homeEnd_[date]; }
    // What the windows over this grid are made of: a window from its station, first and last
    // instants and highest DX elevation.
    const WindowGrid& Grid() const { return *grid_; }
    // The Moon's horizontal parallax of each date (radians): the Earth's radius over the noon
    // distance.
    double Parallax(std::size_t date) const { return parallax_[date]; }

    static constexpr std::size_t kLanes = 8;

  private:
    void ComputeDates(std::size_t first, std::size_t last, const SkyTemperatureTable& table);
    // The per-date Home spans and the grid of the windows.
    void SummarizeHome();

    const RunParameters& params_;
    std::vector<PlanningDate> dates_;
    std::vector<float> dayInstants_;
    std::size_t padded_ = 0;
    std::vector<MoonDistanceState> distances_;
    std::vector<double> parallax_;
    std::vector<MoonInstantPlace> places_;
    std::vector<std::uint8_t> homePass_;
    std::vector<std::uint8_t> homeMask_;
    std::vector<StationView> homeViews_;
    std::vector<float> degradation_;
    std::vector<float> x_, y_, z_;
    std::vector<std::size_t> homeFirst_, homeEnd_;
    std::optional<WindowGrid> grid_;
};

}  // namespace velmorant
