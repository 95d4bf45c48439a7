// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/horizon.h"

#include <algorithm>
#include <cmath>

#include "core/common/angles.h"
#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {

namespace {

// Day number of 1950-01-01 0h UT, the epoch of the sidereal-time formula.
constexpr double kEpoch1950DayNumber = 35735;
// Greenwich sidereal time at the 1950 epoch, hours, and its advance per day beyond whole
// turns (0.0657098232 h) and per day of solar time (1.0027379093 sidereal days).
constexpr double kSiderealTimeAtEpochHours = 6.67170278;
constexpr double kSiderealGainHoursPerDay = 0.0657098232;
constexpr double kSiderealDaysPerSolarDay = 1.0027379093;
// The nutation in right ascension, reduced to its main term in the longitude of the Moon's
// node: 0.00029 h amplitude; the node at the epoch (372.1133 degrees) and its retrograde
// motion of 0.0529539 degrees per day.
constexpr double kNutationAmplitudeHours = 0.00029;
constexpr double kNodeAtEpochDegrees = 372.1133;
constexpr double kNodeMotionDegreesPerDay = 0.0529539;

// Stations are kept this far from the poles so that cos(latitude) never vanishes.
constexpr double kLatitudeLimitDegrees = 89.9999;

// Topocentric correction of a station on the reference ellipsoid: the angle between the
// vertical and the geocentric direction in revolutions (coefficients of sin 2 phi and
// sin 4 phi), and the geocentric radius in Earth radii as a cosine series in the latitude.
double VerticalAngle(double latitude) {
    return TwoPi * (0.000536775 * std::sin(2 * latitude) - 0.000000903 * std::sin(4 * latitude));
}

double GeocentricRadius(double latitude) {
    return 0.99832005 + 0.00168349 * std::cos(2 * latitude) - 0.00000355 * std::cos(4 * latitude) +
           0.00000001 * std::cos(6 * latitude);
}

}  // namespace

double SiderealTime(double dayNumber, double dayFraction) {
    // Days from the epoch, held as a Single.
    const float d0 = static_cast<float>(dayNumber - kEpoch1950DayNumber);
    const double a = d0 * kSiderealGainHoursPerDay;
    const double g = kSiderealTimeAtEpochHours + WrapPeriodByFloor(a, 24) +
                     dayFraction * kSiderealDaysPerSolarDay * 24;
    // Only the sine of the node is used, so it needs no reduction to one turn.
    const double node =
        (kNodeAtEpochDegrees - (d0 + dayFraction) * kNodeMotionDegreesPerDay) * DegToRad;
    const double hours = g + kNutationAmplitudeHours * std::sin(node);
    return WrapPeriodByFloor(hours, 24);
}

double GreenwichHourAngle(double siderealTimeHours, double rightAscension) {
    return WrapTwoPiClosed(siderealTimeHours * kRadiansPerHour - rightAscension);
}

HorizonStation HorizonStationOf(const GeoSite& site, bool topocentric) {
    const double limit = kLatitudeLimitDegrees * DegToRad;
    HorizonStation station;
    station.LongitudeWestRad = site.LongitudeWestRad;
    station.Phi = std::clamp(site.LatitudeRad, -limit, limit);
    station.SinPhi = std::sin(station.Phi);
    station.CosPhi = std::cos(station.Phi);
    if (topocentric) {
        station.Gamma = VerticalAngle(station.Phi);
        station.Rho = GeocentricRadius(station.Phi);
    }
    return station;
}

bool HorizonPosition(StationView& view, const GeoSite& site, const EquatorialPlace& place,
                     double greenwichHourAngle, std::optional<double> parallaxDistanceKm) {
    return StationHorizonPosition(view, HorizonStationOf(site, parallaxDistanceKm.has_value()),
                                  place, greenwichHourAngle, parallaxDistanceKm);
}

bool StationHorizonPosition(StationView& view, const HorizonStation& station,
                            const EquatorialPlace& place, double greenwichHourAngle,
                            std::optional<double> parallaxDistanceKm) {
    // The right ascension enters only through the hour angle.
    const double declination = place.Declination;
    const double sinPhi = station.SinPhi;
    const double cosPhi = station.CosPhi;
    const double sinDec = std::sin(declination);
    const double cosDec = std::cos(declination);

    // The negative of the local hour angle; only its sine and cosine are used.
    const double H = station.LongitudeWestRad - greenwichHourAngle;
    const double cosH = std::cos(H);
    const double sinH = std::sin(H);

    // Sine and cosine of the elevation are stored as Singles.
    const float s = static_cast<float>(cosPhi * cosH * cosDec + sinDec * sinPhi);
    const float c = static_cast<float>(std::sqrt(1.0 - static_cast<double>(s) * s));
    if (c == 0) {
        // Object in the zenith (or nadir): the azimuth is undefined, keep the last view.
        return false;
    }
    double h = ArcTan2(s, c);

    const double cosA =
        sinDec / (cosPhi * std::cos(h)) - (sinPhi / cosPhi) * (std::sin(h) / std::cos(h));
    const double s2 = sinPhi * sinDec + cosPhi * cosDec * cosH;
    const double sinA = sinH * cosDec / std::sqrt(1 - s2 * s2);
    double A = WrapTwoPiAboveZero(ArcTan2(sinA, cosA));

    if (parallaxDistanceKm) {
        // Azimuth counted from south, zenith distance.
        const double As = A - Pi;
        const double z = Pi / 2 - h;
        const double gamma = station.Gamma;
        const double rho = station.Rho;
        // Horizontal parallax of the Moon at the noon distance.
        const double x = kEarthRadiusKm / *parallaxDistanceKm;
        const double p = ArcTan2(std::sin(x), std::sqrt(1 - std::sin(x) * std::sin(x)));
        const double AsTopo = As + rho * p * std::sin(gamma) * std::sin(As) / std::sin(z);
        const double zTopo = z + rho * p * std::sin(z - gamma * std::cos(As));
        // Only the upper end is brought back, not with WrapTwoPiOpen: an azimuth the parallax
        // pushes just west of north, below 0, has always been kept as it is.
        A = AsTopo + Pi;
        if (A >= TwoPi) {
            A -= TwoPi;
        }
        h = Pi / 2 - zTopo;
    }

    view.Azimuth = A;
    view.Elevation = h;
    view.AzimuthSingle = static_cast<float>(A);
    view.ElevationSingle = static_cast<float>(h);
    return true;
}

}  // namespace velmorant
