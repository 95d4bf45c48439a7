// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/dx_spread_screen.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "core/ephemeris/moon_echo.h"
#include "run/instant_position.h"
#include "run/passes/moon_instant_table.h"
#include "run/planning/instant_utc.h"

namespace velmorant {

namespace {

// Instants handed to a thread at a time.
constexpr std::size_t kInstantsPerTask = 32;

}  // namespace

DxSpreadScreen::DxSpreadScreen(const MoonInstantTable& table, const RunParameters& params,
                               double maxSpreadHz)
    : table_(table),
      home_(TerrestrialPointOf(GeoSiteOf(params.Home))),
      carrierHz_(params.BandMHz * 1e6),
      maxSpreadHz_(maxSpreadHz),
      date_(table.InstantsPerDate()) {}

// One frame, the date's noon, serves all its instants (LibrationField takes one up to a day
// away): its computation costs ten times an instant's Moon.
void DxSpreadScreen::PrepareDate(std::size_t d, int threads) {
    std::fill(date_.begin(), date_.end(), std::nullopt);
    const CalendarDate date = table_.Dates()[d].Date;
    const DopplerFrame frame = DopplerFrameAt(InstantUtc(date, 0.5));
    const std::size_t n = table_.InstantsPerDate();
    const std::size_t first = table_.HomeFirst(d);
    const std::size_t end = table_.HomeEnd(d);
    std::atomic<std::size_t> next{first};
    const auto work = [&] {
        for (;;) {
            const std::size_t from = next.fetch_add(kInstantsPerTask);
            if (from >= end) {
                return;
            }
            for (std::size_t i = from; i < std::min(end, from + kInstantsPerTask); ++i) {
                if (!table_.HomePasses(d * n + i)) {
                    continue;
                }
                const UtcDateTime utc = InstantUtc(date, table_.Place(d * n + i).DayFraction);
                const LibrationField field(InstantDatesOf(utc), frame);
                date_[i] = Instant{field, field.RateOf(home_)};
            }
        }
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < threads; ++t) {
        helpers.emplace_back(work);
    }
    work();
}

std::optional<double> DxSpreadScreen::Spread(std::size_t i, const TerrestrialPoint& station) const {
    if (!date_[i]) {
        return std::nullopt;  // Home fails there, and so does every path
    }
    const Instant& instant = *date_[i];
    LibrationRate dx;
    instant.Field.BodyRateOf(station, dx.BodyRadPerS);
    const double spread = LibrationSpreadHz(instant.Home, dx, carrierHz_);
    if (spread > maxSpreadHz_) {
        return std::nullopt;
    }
    return spread;
}

}  // namespace velmorant
