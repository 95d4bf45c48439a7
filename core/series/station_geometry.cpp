// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/station_geometry.h"

#include <cmath>
#include <numbers>

#include "core/common/angles.h"
#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {

namespace {

// Topocentric correction of the Home station: the difference between geographic and
// geocentric latitude reaches 0.1924 degrees at 45 degrees, and the geocentric radius in
// Earth radii is 0.99833 + 0.00167 cos 2 phi (a flattening of about 1/298).
constexpr double kLatitudeReductionDegrees = 0.1924;
constexpr double kRadiusMean = 0.99833;
constexpr double kRadiusCos2Phi = 0.00167;

}  // namespace

StationDistanceResult StationDistance(double homeLatitudeRad, double homeLongitudeRad,
                                      double dxLatitudeRad, double dxLongitudeRad, int units) {
    // Haversine of the central angle.
    const double sinHalfLat = std::sin((homeLatitudeRad - dxLatitudeRad) / 2);
    const double sinHalfLon = std::sin((homeLongitudeRad - dxLongitudeRad) / 2);
    const double a = sinHalfLat * sinHalfLat + std::cos(homeLatitudeRad) * std::cos(dxLatitudeRad) *
                                                   (sinHalfLon * sinHalfLon);
    const double half = ArcTan2(std::sqrt(a), std::sqrt(1 - a));
    const double centralAngle = 2 * half;
    const double km = centralAngle * RadToDeg * kKmPerDegree;

    StationDistanceResult result;
    result.Distance = RoundToStep(km, 10);
    if (units > 0) {
        // 0.6 mile per kilometre, applied to the rounded kilometres and not rounded again.
        result.Distance = result.Distance * 3 / 5;
        result.UnitsLabel = "MI";
    } else {
        result.UnitsLabel = "KM";
    }
    return result;
}

TopocentricResult TopocentricEquatorial(double latitudeRad, double rightAscension,
                                        double localHourAngle, double declination,
                                        double distanceKm, double siderealTimeHours) {
    // Horizontal parallax at the noon distance.
    const double S = std::sin(kEarthRadiusKm / distanceKm);
    const double C = std::sqrt(distanceKm * distanceKm - kEarthRadiusSquaredKm2) / distanceKm;
    const double p = ArcTan2(S, C);

    // Geocentric latitude and radius of the station.
    const double gamma = TwoPi * kLatitudeReductionDegrees / 360 * std::sin(2 * latitudeRad);
    const double phiGeo = latitudeRad - gamma;
    const double rho = kRadiusMean + kRadiusCos2Phi * std::cos(2 * latitudeRad);

    const double H = localHourAngle;
    const double cosH = std::cos(H);
    const double tanPhiGeo = std::tan(phiGeo);
    double q = 0;
    if (cosH != 0) {
        q = std::atan(tanPhiGeo / cosH);
    } else {
        // The arc tangent of an infinite quotient: a quarter turn (the true pi/2, as the
        // arc tangent itself returns) with the sign of tan(phi'), 0 on the equator.
        q = Sgn(tanPhiGeo) * (std::numbers::pi / 2);
    }

    const double deltaRa = p * rho * std::cos(phiGeo) * std::sin(H) / std::cos(declination);
    const double sinQ = std::sin(q);
    double deltaDec = 0;
    if (sinQ != 0) {
        deltaDec = p * rho * std::sin(phiGeo) * std::sin(q - declination) / sinQ;
    } else {
        // A station on the equator (phi' = 0): the limit of the expression above.
        deltaDec = -p * rho * cosH * std::sin(declination);
    }

    TopocentricResult result;
    result.RightAscension = rightAscension - deltaRa;
    result.Declination = declination - deltaDec;
    result.GreenwichHourAngle =
        WrapTwoPiOpen(TwoPi * siderealTimeHours / 24 - result.RightAscension);
    return result;
}

}  // namespace velmorant
