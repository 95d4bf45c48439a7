// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Sidereal time, Greenwich hour angle and horizon coordinates of the tracked object for one
// station. Latitudes north positive, longitudes WEST positive, azimuth from north through east.

namespace velmorant {

// Horizon coordinates of one station for one instant.
struct StationView {
    double Azimuth = 0;           // radians, (0, TwoPi]; [0, TwoPi) for the Moon (topocentric)
    double Elevation = 0;         // radians; topocentric for the Moon, no refraction
    float AzimuthSingle = 0;      // Azimuth rounded to float: every display and filter uses it
    float ElevationSingle = 0;    // Elevation rounded to float
    float PolarizationAngle = 0;  // whole degrees, see polarization.h
};

// A station on the Earth, radians: latitude north positive, longitude WEST positive.
struct GeoSite {
    double LatitudeRad = 0;
    double LongitudeWestRad = 0;
};

// Geocentric right ascension and declination, radians.
struct EquatorialPlace {
    double RightAscension = 0;
    double Declination = 0;
};

// Greenwich sidereal time in hours, [0, 24), at the instant (day number, fraction of the UT
// day): the 1950-based linear formula with the main nutation term 0.00029 h * sin(node).
// The days from 1950-01-01 are held as a Single (exact: they are whole days). Good to about a
// second of time (15 arc seconds): UTC stands in for UT1 (up to 0.9 s apart), the quadratic
// term of the series (a few tenths of a second by 2100) and all but the main nutation term
// (0.00029 h) are left out.
double SiderealTime(double dayNumber, double dayFraction);

// Greenwich hour angle of an object of right ascension ra (radians), in [0, TwoPi]:
// siderealTimeHours * 0.2617994 - ra, brought into range by one turn at most. Adds no error
// of its own worth naming: 0.2617994 rad/h is pi/12 to within 0.1 arc second a day.
double GreenwichHourAngle(double siderealTimeHours, double rightAscension);

// Azimuth (from north through east) and elevation of the object at `place` (its declination
// counts; the right ascension is already in the Greenwich hour angle gha, radians) for a station
// at `site` (its latitude clamped to +/-89.9999 degrees). The sine of the elevation and its
// cosine are held as Singles. With a parallax distance (the Moon: its noon distance in km, > 0)
// the result is topocentric; without one, geocentric. No refraction.
// Returns false, leaving view unchanged, when the Single cosine of the elevation is 0 (the
// object in the zenith). Without parallax an object exactly on the meridian, north or
// south, gets TwoPi. With parallax an azimuth pushed just west of north stays a hair below 0.
// The polarization angle of the view is not touched.
// The Single sine and cosine limit the elevation to about 0.02 arc second (the azimuth alike,
// except near the zenith, where it is ill-defined). The parallax is first order with the noon
// distance, good to about an arc minute (the true distance drifts by up to about 0.8 % in half
// a day). Without refraction an object on the horizon is shown about half a degree low.
bool HorizonPosition(StationView& view, const GeoSite& site, const EquatorialPlace& place,
                     double greenwichHourAngle, std::optional<double> parallaxDistanceKm);

// What HorizonPosition takes of a station that no instant changes: the clamped latitude, its
// sine and cosine, and the topocentric terms of the reference ellipsoid at it (the vertical's
// angle, radians, and the geocentric radius, Earth radii; left 0 when not `topocentric`, for
// objects seen without parallax). A pass that views one station at many instants works it out
// once.
struct HorizonStation {
    double LongitudeWestRad = 0;
    double Phi = 0;
    double SinPhi = 0;
    double CosPhi = 0;
    double Gamma = 0;
    double Rho = 0;
};
HorizonStation HorizonStationOf(const GeoSite& site, bool topocentric = true);

// HorizonPosition for a station worked out before: the same view to the last bit.
bool StationHorizonPosition(StationView& view, const HorizonStation& station,
                            const EquatorialPlace& place, double greenwichHourAngle,
                            std::optional<double> parallaxDistanceKm);

}  // namespace velmorant
