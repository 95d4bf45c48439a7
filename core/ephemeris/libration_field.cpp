// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/libration_field.h"

#include <cmath>

#include <erfa.h>

#include "core/ephemeris/moon_rotation.h"

namespace velmorant {

namespace {

// J2000.0 as a Julian date (TT).
constexpr double kJ2000JulianDate = 2451545.0;

}  // namespace

// eraPvtob at Earth rotation angle 0 leaves the station in the terrestrial frame.
TerrestrialPoint TerrestrialPointOf(const GeoSite& station) {
    double pv[2][3];
    eraPvtob(-station.LongitudeWestRad, station.LatitudeRad, 0.0, 0.0, 0.0, 0.0, 0.0, pv);
    TerrestrialPoint point;
    for (int i = 0; i < 3; ++i) {
        point.Position[i] = pv[0][i];
    }
    return point;
}

// celestial = (Rz(ERA) C2I)^T terrestrial, as eraPvtob and StationState turn a station, and
// body = B celestial: the product B (Rz(ERA) C2I)^T takes a station straight to the body frame.
LibrationField::Side LibrationField::SideAt(const InstantDates& dates, const DopplerFrame& frame) {
    Side side;
    side.Moon = GeocentricMoon(dates);
    double body[3][3];
    MoonBodyMatrix(MoonOrientationAt((dates.Epoch - kJ2000JulianDate) + dates.TTDays), body);
    // A copy: ERFA takes the matrix through a pointer to non-const.
    DopplerFrame celestialToTerrestrial = frame;
    eraRz(eraEra00(dates.Epoch, dates.UtcDays), celestialToTerrestrial.CelestialToIntermediate);
    const auto& turn = celestialToTerrestrial.CelestialToIntermediate;
    for (int i = 0; i < 3; ++i) {
        side.MoonInBody[i] = 0;
        for (int j = 0; j < 3; ++j) {
            side.BodyFromTerrestrial[i][j] = 0;
            for (int k = 0; k < 3; ++k) {
                side.BodyFromTerrestrial[i][j] += body[i][k] * turn[j][k];
            }
            side.MoonInBody[i] += body[i][j] * side.Moon.Position[j];
        }
    }
    return side;
}

LibrationField::LibrationField(const InstantDates& dates, const DopplerFrame& frame)
    : before_(SideAt(InstantDatesAfter(dates, -kHalfStepS), frame)),
      after_(SideAt(InstantDatesAfter(dates, kHalfStepS), frame)) {}

// The unit vector from the Moon's centre to the station, body frame.
void LibrationField::SubStationPoint(const Side& side, const TerrestrialPoint& station,
                                     double point[3]) {
    for (int i = 0; i < 3; ++i) {
        point[i] = -side.MoonInBody[i];
        for (int j = 0; j < 3; ++j) {
            point[i] += side.BodyFromTerrestrial[i][j] * station.Position[j];
        }
    }
    const double distance = Length(point);
    for (int i = 0; i < 3; ++i) {
        point[i] /= distance;
    }
}

void LibrationField::BodyRateOf(const TerrestrialPoint& station, double bodyRadPerS[3]) const {
    double from[3];
    double to[3];
    SubStationPoint(before_, station, from);
    SubStationPoint(after_, station, to);
    for (int i = 0; i < 3; ++i) {
        bodyRadPerS[i] = (to[i] - from[i]) / (2 * kHalfStepS);
    }
}

LibrationRate LibrationField::RateOf(const TerrestrialPoint& station) const {
    double from[3];
    double to[3];
    SubStationPoint(before_, station, from);
    SubStationPoint(after_, station, to);
    LibrationRate rate;
    double mid[3];
    for (int i = 0; i < 3; ++i) {
        rate.BodyRadPerS[i] = (to[i] - from[i]) / (2 * kHalfStepS);
        mid[i] = 0.5 * (to[i] + from[i]);
    }
    // East and north at the point midway.
    const double longitude = std::atan2(mid[1], mid[0]);
    const double latitude = std::atan2(mid[2], std::hypot(mid[0], mid[1]));
    const double* w = rate.BodyRadPerS;
    rate.EastRadPerS = -std::sin(longitude) * w[0] + std::cos(longitude) * w[1];
    rate.NorthRadPerS =
        -std::sin(latitude) * (std::cos(longitude) * w[0] + std::sin(longitude) * w[1]) +
        std::cos(latitude) * w[2];
    return rate;
}

}  // namespace velmorant
