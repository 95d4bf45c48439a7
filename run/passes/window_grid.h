// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "run/passes/mutual_windows.h"
#include "run/passes/range_maximum.h"
#include "run/planning/step_grid.h"

// What of a mutual windows pass's instant table its windows are made of: the grid's dates and day
// instants, Home's azimuth at each instant and the range maxima of Home's elevation and of the
// negated degradation. Kept after the table is gone (about 28 bytes an instant, against some 300
// for the table), it gives back a whole window from its station, first and last instants and
// highest DX elevation, so that a long list of windows need keep only those.

namespace velmorant {

class MoonInstantTable;

class WindowGrid {
  public:
    explicit WindowGrid(const MoonInstantTable& table);

    std::size_t InstantsPerDate() const { return dayInstants_.size(); }
    std::size_t Size() const { return homeAzimuths_.size(); }

    // The window of `station` over the grid's instants first ... last (first <= last < Size())
    // with the highest DX elevation `dxElevationMax` (radians): every field as the pass filled it,
    // to the bit.
    MutualWindow WindowOf(std::size_t station, std::size_t first, std::size_t last,
                          float dxElevationMax) const;
    // Instant g as the report prints it (its date and hhmm, 2400 possible).
    GridInstant InstantAt(std::size_t g) const;
    // Minutes from instant first to instant last.
    int LengthMinutes(std::size_t first, std::size_t last) const;

  private:
    std::vector<PlanningDate> dates_;
    std::vector<float> dayInstants_;
    std::vector<float> homeAzimuths_;   // radians, Single
    RangeMaximum homeElevations_;       // radians, Single
    RangeMaximum negatedDegradations_;  // dB
};

}  // namespace velmorant
