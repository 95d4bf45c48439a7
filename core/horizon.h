#pragma once

// Sidereal time, Greenwich hour angle and horizon coordinates of the tracked object for one
// station. Latitudes north positive, longitudes WEST positive, azimuth from north through east.

namespace velmorant {

// Horizon coordinates of one station for one instant.
struct StationView {
    double Azimuth = 0;          // radians in (0, TwoPi]; topocentric for the Moon
    double Elevation = 0;        // radians; topocentric for the Moon, no refraction
    float AzimuthSingle = 0;     // Azimuth rounded to float: every display and filter uses it
    float ElevationSingle = 0;   // Elevation rounded to float
    float PolarizationAngle = 0;  // whole degrees, see polarization.h
};

// Greenwich sidereal time in hours, [0, 24).
double SiderealTime(double dayNumber, double dayFraction);

// Greenwich hour angle of an object of right ascension ra (radians), in [0, TwoPi].
double GreenwichHourAngle(double siderealTimeHours, double rightAscension);

// Azimuth and elevation of the object (ra, dec, gha in radians) for a station at latitude
// (radians, north positive; clamped to +/-89.9999 degrees) and longitude (radians, WEST
// positive). With parallax (the Moon) the result is topocentric for a Moon at distanceKm.
// Returns false, leaving view unchanged, when the object stands exactly in the zenith.
// The polarization angle of the view is not touched.
bool HorizonPosition(StationView& view, double latitudeRad, double longitudeWestRad,
                     double rightAscension, double declination, double greenwichHourAngle,
                     bool parallax, double distanceKm);

}  // namespace velmorant
