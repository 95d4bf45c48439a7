// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where the two stations are on the Earth: their great-circle distance, and the Moon's
// topocentric right ascension, declination and hour angle for the Home station.

namespace velmorant {

struct StationDistanceResult {
    double Distance = 0;     // kilometres (to 0.1) or miles (the rounded km * 3 / 5)
    std::string UnitsLabel;  // "KM" or "MI"
};

// Haversine distance between Home and DX (radians, latitude north positive, longitude west
// positive) with 111.12 km per degree of great circle, rounded half up to 0.1 km. units: 0
// (or less) kilometres, "KM"; above 0 miles, "MI": the rounded km * 3 / 5, not rounded again.
// Antipodal stations give half a great circle, 20001.6 km. On a sphere: the distance along
// the ellipsoid differs by up to about 0.5 %.
StationDistanceResult StationDistance(double homeLatitudeRad, double homeLongitudeRad,
                                      double dxLatitudeRad, double dxLongitudeRad, int units);

struct TopocentricResult {
    double RightAscension = 0;      // radians
    double Declination = 0;         // radians
    double GreenwichHourAngle = 0;  // radians in [0, TwoPi)
};

// Topocentric equatorial coordinates of the Moon for a station at latitude (radians, north
// positive), given the Moon's geocentric ra/dec (radians), the station's local hour angle H
// (radians, west positive: GHA minus the west-positive longitude), the noon distance (km) and
// the Greenwich sidereal time (hours). First-order parallax corrections; the auxiliary angle
// q = Atn(tan phi' / cos H) is +/-pi/2 (sign of tan phi', 0 when that is 0) if cos H is 0, and
// on the equator (sin q = 0) the declination correction takes its limit
// -p * rho * cos H * sin dec. The hour angle returned is TwoPi * ST / 24 - ra'. First-order
// corrections of a parallax of up to one degree leave second-order errors of about half an arc
// minute; the noon distance adds up to about half an arc minute more.
TopocentricResult TopocentricEquatorial(double latitudeRad, double rightAscension,
                                        double localHourAngle, double declination,
                                        double distanceKm, double siderealTimeHours);

}  // namespace velmorant
