// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/sun_moon_angle.h"

#include <cmath>
#include <numbers>

#include <erfa.h>
#include <erfam.h>

namespace velmorant {

namespace {

// The Moon's share of the Earth-Moon mass: 1 / (1 + Earth/Moon mass ratio 81.300568, IAU 2009).
constexpr double kMoonMassShare = 1.0 / (1.0 + 81.300568);

}  // namespace

double SunMoonAngleDeg(const UtcDateTime& utc, const GeoSite& home) {
    return SunMoonAngleDeg(utc, DopplerFrameAt(utc), home);
}

double SunMoonAngleDeg(const UtcDateTime& utc, const DopplerFrame& frame, const GeoSite& home) {
    const InstantDates dates = InstantDatesOf(utc);
    // The Earth-Moon barycentre's heliocentric state (eraPlan94, body 3: au, J2000 mean equator
    // and equinox, 0.02 arc second from the GCRS axes; TDB taken as TT, under 2 ms apart). The
    // Earth lies the Moon's geocentric vector times the Moon's share of their mass (1/82.3)
    // from it: 4700 km, 6 arc seconds of the Sun's direction.
    double barycentre[2][3];
    eraPlan94(dates.Epoch, dates.TTDays, 3, barycentre);
    const StateVector station = StationState(dates, frame, home);
    const StateVector geocentricMoon = GeocentricMoon(dates);
    const StateVector moon = Relative(geocentricMoon, station);
    double sun[3];
    for (int i = 0; i < 3; ++i) {
        const double earthHeliocentric =
            barycentre[0][i] * ERFA_DAU - kMoonMassShare * geocentricMoon.Position[i];
        sun[i] = -earthHeliocentric - station.Position[i];
    }
    const double* m = moon.Position;
    const double cross[3] = {sun[1] * m[2] - sun[2] * m[1], sun[2] * m[0] - sun[0] * m[2],
                             sun[0] * m[1] - sun[1] * m[0]};
    const double dot = sun[0] * m[0] + sun[1] * m[1] + sun[2] * m[2];
    return std::atan2(Length(cross), dot) * 180.0 / std::numbers::pi;
}

}  // namespace velmorant
