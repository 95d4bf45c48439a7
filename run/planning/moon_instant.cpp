// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/moon_instant.h"

#include "core/series/sun.h"
#include "run/instant_position.h"
#include "run/planning/window_filters.h"

namespace velmorant {

MoonInstantPlace MoonInstantAt(float dayCursor, float utcHHMM, const MoonDistanceState& distance,
                               double sunRightAscensionAt0h) {
    MoonInstantPlace moon;
    moon.UtcHHMM = utcHHMM;
    moon.DayFraction = DayFractionOf(utcHHMM);
    const MoonEquatorial place = MoonPosition(dayCursor, moon.DayFraction);
    moon.Place = EquatorialPlace{place.RightAscension, place.Declination};
    moon.SunRightAscension = SampledSunRightAscension(sunRightAscensionAt0h, moon.DayFraction);
    moon.SiderealHours = SiderealTime(dayCursor, moon.DayFraction);
    moon.GreenwichHourAngle = GreenwichHourAngle(moon.SiderealHours, place.RightAscension);
    moon.DistanceKm = distance.DistanceKm;
    return moon;
}

bool HomeFiltersPass(StationView& home, const RunParameters& params, const MoonInstantPlace& moon,
                     float gmtLow, float gmtHigh) {
    StationViewWithPolarization(home, params.Home, moon.Place, moon.GreenwichHourAngle,
                                moon.DistanceKm);
    return GmtWindowPass(moon.UtcHHMM, gmtLow, gmtHigh) &&
           AzimuthWindowPass(home.AzimuthSingle, params.AzMinRad, params.AzMaxRad,
                             moon.Place.Declination, params.Home.LatitudeRad) &&
           ElevationWindowPass(home.ElevationSingle, params.Home);
}

bool DxFiltersPass(StationView& dx, const StationSite& site, const MoonInstantPlace& moon) {
    StationViewWithPolarization(dx, site, moon.Place, moon.GreenwichHourAngle, moon.DistanceKm);
    return ElevationWindowPass(dx.ElevationSingle, site);
}

bool DxElevationPass(StationView& dx, const HorizonStation& station, const StationSite& limits,
                     const MoonInstantPlace& moon) {
    StationHorizonPosition(dx, station, moon.Place, moon.GreenwichHourAngle, moon.DistanceKm);
    return ElevationWindowPass(dx.ElevationSingle, limits);
}

}  // namespace velmorant
