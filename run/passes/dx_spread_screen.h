// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/ephemeris/libration_field.h"
#include "run/run_parameters.h"

// The libration spread of the path from Home to each DX station at the instants of a mutual
// windows pass (core/ephemeris/libration_field.h): prepared once a date for the instants at which
// Home passes, then a few multiplications a station and instant. In double.

namespace velmorant {

class MoonInstantTable;

class DxSpreadScreen {
  public:
    // The screen of params' Home at params' band (MHz, its leading number) keeping the instants
    // whose spread is at most maxSpreadHz.
    DxSpreadScreen(const MoonInstantTable& table, const RunParameters& params, double maxSpreadHz);

    // Computes the Moon's part of date d's instants, shared out among `threads` threads.
    void PrepareDate(std::size_t d, int threads);

    // The spread (hertz) of the path from Home to `station` at instant i of the prepared date,
    // when at most the limit; nothing above it. i must lie where Home passes.
    std::optional<double> Spread(std::size_t i, const TerrestrialPoint& station) const;

  private:
    struct Instant {
        LibrationField Field;
        LibrationRate Home;
    };

    const MoonInstantTable& table_;
    TerrestrialPoint home_;
    double carrierHz_;
    double maxSpreadHz_;
    std::vector<std::optional<Instant>> date_;  // the prepared date's instants
};

}  // namespace velmorant
