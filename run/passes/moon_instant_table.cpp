// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/moon_instant_table.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "core/common/constants.h"
#include "core/series/sun.h"
#include "run/instant_position.h"

namespace velmorant {

MoonInstantTable::MoonInstantTable(const RunParameters& params, const SkyTemperatureTable& table,
                                   int threads)
    : params_(params),
      dates_(PlanningDates(params)),
      dayInstants_(velmorant::DayInstants(params.IncrementMinutes)) {
    const std::size_t n = dayInstants_.size();
    padded_ = (n + kLanes - 1) / kLanes * kLanes;
    const std::size_t count = dates_.size() * n;
    places_.resize(count);
    homePass_.resize(count);
    homeViews_.resize(count);
    degradation_.resize(count);
    x_.assign(dates_.size() * padded_, 0.0f);
    y_.assign(dates_.size() * padded_, 0.0f);
    z_.assign(dates_.size() * padded_, 0.0f);
    homeMask_.assign(dates_.size() * padded_, 0);

    // The noon distances follow one another (the perigee/apogee count): in order, as the walk.
    MoonDistanceState distance;
    WarmUpMoonDistance(distance, params.StartDayNumber);
    for (const PlanningDate& date : dates_) {
        MoonNoonDistance(distance, date.DayCursor);
        distances_.push_back(distance);
        parallax_.push_back(kEarthRadiusKm / distance.DistanceKm);
    }

    // The Moon's places are independent of one another: the dates are shared out.
    const std::size_t workers = std::max<std::size_t>(1, static_cast<std::size_t>(threads));
    // Threads that join as they go, also when one cannot be started (no memory left).
    std::vector<std::jthread> pool;
    const std::size_t perWorker = (dates_.size() + workers - 1) / workers;
    for (std::size_t w = 0; w < workers; ++w) {
        const std::size_t first = w * perWorker;
        const std::size_t last = std::min(dates_.size(), first + perWorker);
        if (first < last) {
            pool.emplace_back([this, first, last, &table] { ComputeDates(first, last, table); });
        }
    }
    for (auto& worker : pool) {
        worker.join();
    }

    // Home's view persists from one instant to the next (a zenith instant keeps the last one),
    // so the views are taken in order.
    const float gmtLow = params.GmtWindowLow;
    const float gmtHigh = params.GmtWindowHigh;
    StationView home;
    for (std::size_t g = 0; g < count; ++g) {
        homePass_[g] = HomeFiltersPass(home, params, places_[g], gmtLow, gmtHigh) ? 0xff : 0;
        homeViews_[g] = home;
        homeMask_[g / n * padded_ + g % n] = homePass_[g];
    }
    SummarizeHome();
}

void MoonInstantTable::SummarizeHome() {
    const std::size_t n = dayInstants_.size();
    grid_.emplace(*this);
    for (std::size_t d = 0; d < dates_.size(); ++d) {
        std::size_t first = n;
        std::size_t end = 0;
        for (std::size_t j = 0; j < n; ++j) {
            if (homePass_[d * n + j] != 0) {
                first = std::min(first, j);
                end = j + 1;
            }
        }
        homeFirst_.push_back(std::min(first, end));
        homeEnd_.push_back(end);
    }
}

void MoonInstantTable::ComputeDates(std::size_t first, std::size_t last,
                                    const SkyTemperatureTable& table) {
    const std::size_t n = dayInstants_.size();
    const double bandMHz = params_.BandMHz;
    for (std::size_t d = first; d < last; ++d) {
        const float dayCursor = dates_[d].DayCursor;
        const double sunAt0h = SunPosition(dayCursor, 0.0).RightAscension;
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t g = d * n + j;
            MoonInstantPlace& moon = places_[g];
            moon = MoonInstantAt(dayCursor, dayInstants_[j], distances_[d], sunAt0h);
            degradation_[g] =
                MoonDegradation(table, distances_[d], moon.DayFraction, moon.Place.RightAscension,
                                bandMHz, params_.NoiseTemperature)
                    .Degradation;
            const double cosDec = std::cos(moon.Place.Declination);
            const std::size_t lane = d * padded_ + j;
            x_[lane] = static_cast<float>(cosDec * std::cos(moon.GreenwichHourAngle));
            y_[lane] = static_cast<float>(cosDec * std::sin(moon.GreenwichHourAngle));
            z_[lane] = static_cast<float>(std::sin(moon.Place.Declination));
        }
    }
}

}  // namespace velmorant
