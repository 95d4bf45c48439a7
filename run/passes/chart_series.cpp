// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/chart_series.h"

#include <cmath>

#include "core/common/constants.h"
#include "core/series/horizon.h"
#include "core/series/sun.h"
#include "run/instant_position.h"
#include "run/passes/moon_instant_table.h"

namespace velmorant {

namespace {

// The table's Moon places share out over this many threads: a year at one-minute steps is about
// a second of work on one core.
constexpr int kThreads = 2;

double Degrees(double radians) {
    return radians * (360.0 / TwoPi);
}

std::string NameOf(const StationSite& site) {
    return site.Callsign.empty() ? site.Locator : site.Callsign;
}

}  // namespace

double ChartDayOf(const GridInstant& instant) {
    const long hhmm = std::lround(instant.UtcHHMM);
    const double minutes = static_cast<double>(hhmm / 100 * 60 + hhmm % 100);
    return static_cast<double>(
               DaysSince1970(instant.Date.Year, instant.Date.Month, instant.Date.Day)) +
           minutes / 1440.0;
}

ChartSeries ComputeChartSeries(const RunParameters& params,
                               const SkyTemperatureTable& skyTemperatures) {
    const MoonInstantTable table(params, skyTemperatures, kThreads);
    ChartSeries series;
    const std::size_t n = table.InstantsPerDate();
    const GeoSite home = GeoSiteOf(params.Home);
    // The DX view persists as the walk's does: a zenith instant keeps the view before it.
    StationView dx;
    StationView sun;
    for (std::size_t g = 0; g < table.Size(); ++g) {
        const PlanningDate& date = table.Dates()[g / n];
        const MoonInstantPlace& moon = table.Place(g);
        series.Days.push_back(ChartDayOf(GridInstant{date.Date, moon.UtcHHMM}));
        series.HomeElevationDeg.push_back(
            static_cast<float>(Degrees(table.HomeView(g).ElevationSingle)));
        StationViewWithPolarization(dx, params.DX, moon.Place, moon.GreenwichHourAngle,
                                    moon.DistanceKm);
        series.DxElevationDeg.push_back(static_cast<float>(Degrees(dx.ElevationSingle)));
        series.DegradationDb.push_back(table.Degradation(g));
        // The Sun as the walk places it for a fixed-object run (no parallax).
        const SunEquatorial place = SunPosition(date.DayCursor, moon.DayFraction);
        const double gha = GreenwichHourAngle(moon.SiderealHours, place.RightAscension);
        HorizonPosition(sun, home, EquatorialPlace{place.RightAscension, place.Declination}, gha,
                        std::nullopt);
        series.SunElevationDeg.push_back(static_cast<float>(Degrees(sun.ElevationSingle)));
    }
    const StationSite pair[] = {params.DX};
    series.Windows = FindMutualWindows(table, params, pair, 1);

    const CalendarDate& first = table.Dates().front().Date;
    const CalendarDate& last = table.Dates().back().Date;
    series.FirstDay = static_cast<double>(DaysSince1970(first.Year, first.Month, first.Day));
    series.LastDay = static_cast<double>(DaysSince1970(last.Year, last.Month, last.Day)) + 1;
    series.HomeAboveDeg = Degrees(params.Home.AboveRad);
    series.HomeBelowDeg = Degrees(params.Home.BelowRad);
    series.DxAboveDeg = Degrees(params.DX.AboveRad);
    series.DxBelowDeg = Degrees(params.DX.BelowRad);
    series.HomeName = NameOf(params.Home);
    series.DxName = NameOf(params.DX);
    return series;
}

}  // namespace velmorant
