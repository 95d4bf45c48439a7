// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/instant_position.h"

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "core/series/polarization.h"
#include "core/series/sun.h"

namespace velmorant {

float DayFractionOf(float hhmm) {
    const double hours = Int(hhmm / 100.0);
    return static_cast<float>(hours / 24.0 + (hhmm - 100.0 * hours) / 1440.0);
}

void WarmUpMoonDistance(MoonDistanceState& state, float startDayNumber) {
    // The cursor is a Single, as the day cursor of a run is.
    float dayCursor = startDayNumber - 14.0f;
    for (int i = 0; i < 13; ++i) {
        dayCursor += 1.0f;
        MoonNoonDistance(state, dayCursor);
    }
}

EquatorialPlace FixedObjectPlace(const RunParameters& params, float dayCursor, float dayFraction) {
    if (params.SunSelected) {
        const SunEquatorial sun = SunPosition(dayCursor, dayFraction);
        return EquatorialPlace{sun.RightAscension, sun.Declination};
    }
    return EquatorialPlace{params.ObjectRA, params.ObjectDec};
}

GeoSite GeoSiteOf(const StationSite& site) {
    return GeoSite{site.LatitudeRad, site.LongitudeRad};
}

void StationViewWithPolarization(StationView& view, const StationSite& site,
                                 const EquatorialPlace& place, double greenwichHourAngle,
                                 std::optional<double> parallaxDistanceKm) {
    HorizonPosition(view, GeoSiteOf(site), place, greenwichHourAngle, parallaxDistanceKm);
    view.PolarizationAngle =
        PolarizationAngle(view.AzimuthSingle, view.ElevationSingle, site.LatitudeRad);
}

DegradationResult MoonDegradation(const SkyTemperatureTable& table,
                                  const MoonDistanceState& distance, float dayFraction,
                                  double moonRightAscension, double bandMHz, float noiseK) {
    const double rightAscensionHours = moonRightAscension / TwoPi * 24.0 + 0.000347222;
    return PathDegradation(table, distance, dayFraction, rightAscensionHours, bandMHz, noiseK);
}

TopocentricResult HomeTopocentric(const StationSite& home, double moonRightAscension,
                                  double moonDeclination, double greenwichHourAngle,
                                  double distanceKm, double siderealTimeHours) {
    return TopocentricEquatorial(home.LatitudeRad, moonRightAscension,
                                 greenwichHourAngle - home.LongitudeRad, moonDeclination,
                                 distanceKm, siderealTimeHours);
}

}  // namespace velmorant
