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
// positive). units: 0 kilometres, anything above 0 miles.
StationDistanceResult StationDistance(double homeLatitudeRad, double homeLongitudeRad,
                                      double dxLatitudeRad, double dxLongitudeRad, int units);

struct TopocentricResult {
    double RightAscension = 0;      // radians
    double Declination = 0;         // radians
    double GreenwichHourAngle = 0;  // radians in [0, TwoPi)
};

// Topocentric equatorial coordinates of the Moon for a station at latitude (radians), given
// the Moon's geocentric ra/dec (radians), the station's local hour angle H (radians,
// GHA minus the west-positive longitude), the noon distance (km) and the sidereal time (hours).
TopocentricResult TopocentricEquatorial(double latitudeRad, double rightAscension,
                                        double localHourAngle, double declination,
                                        double distanceKm, double siderealTimeHours);

}  // namespace velmorant
