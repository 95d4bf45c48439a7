// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/window_grid.h"

#include <cmath>

#include "run/passes/moon_instant_table.h"

namespace velmorant {

namespace {

// One value of each instant of the table.
template <typename Value>
std::vector<float> PerInstant(const MoonInstantTable& table, const Value& value) {
    std::vector<float> values(table.Size());
    for (std::size_t g = 0; g < values.size(); ++g) {
        values[g] = value(g);
    }
    return values;
}

}  // namespace

WindowGrid::WindowGrid(const MoonInstantTable& table)
    : dates_(table.Dates()),
      dayInstants_(table.DayInstants()),
      homeAzimuths_(
          PerInstant(table, [&](std::size_t g) { return table.HomeView(g).AzimuthSingle; })),
      homeElevations_(
          PerInstant(table, [&](std::size_t g) { return table.HomeView(g).ElevationSingle; })),
      negatedDegradations_(
          PerInstant(table, [&](std::size_t g) { return -table.Degradation(g); })) {}

GridInstant WindowGrid::InstantAt(std::size_t g) const {
    const std::size_t n = dayInstants_.size();
    return GridInstant{dates_[g / n].Date, dayInstants_[g % n]};
}

int WindowGrid::LengthMinutes(std::size_t first, std::size_t last) const {
    const std::size_t n = dayInstants_.size();
    const double days = dates_[last / n].DayCursor - dates_[first / n].DayCursor;
    return static_cast<int>(std::lround(days * 1440)) + MinutesOfDay(dayInstants_[last % n]) -
           MinutesOfDay(dayInstants_[first % n]);
}

MutualWindow WindowGrid::WindowOf(std::size_t station, std::size_t first, std::size_t last,
                                  float dxElevationMax) const {
    MutualWindow window;
    window.Station = station;
    window.First = first;
    window.Last = last;
    window.Start = InstantAt(first);
    window.End = InstantAt(last);
    window.LengthMinutes = LengthMinutes(first, last);
    window.HomeAzimuthStart = homeAzimuths_[first];
    window.HomeAzimuthEnd = homeAzimuths_[last];
    window.HomeElevationMax = homeElevations_.Max(first, last);
    window.DegradationMin = -negatedDegradations_.Max(first, last);
    window.DxElevationMax = dxElevationMax;
    return window;
}

}  // namespace velmorant
