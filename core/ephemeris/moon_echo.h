// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ephemeris/ephemeris_instant.h"
#include "core/ephemeris/libration_field.h"
#include "core/series/horizon.h"

// The Moon's echo figures of one instant beyond its Doppler shift: the libration spread, the
// rate of change of the echo Doppler and the echo delay. In double, from the instant, Moon and
// stations of core/ephemeris/ephemeris_instant.h and the Moon's rotation of
// core/ephemeris/moon_rotation.h.
//
// The libration spread. A point p of the Moon's disk (from its centre) echoes with a Doppler
// offset from the centre's of -f/c p . (w1 + w2), where w is, for each station, the velocity of
// its sub-station point (the point of the Moon facing it) over the Moon's surface: the unit vector
// from the Moon's centre to the station turning in the Moon's body frame, rad/s. That motion is
// the Moon's own rotation less the turning of the line of sight (the Moon's orbit and the
// station's turn with the Earth); the velocity lies in the sky plane of the station. The two
// stations' sub-station points lie within two degrees of each other, so their velocities are
// added as 3-D vectors in the body frame, the one frame both share, and the offset over a disk of
// radius R runs between +/- R f |w1 + w2| / c: the spread limb to limb is 2 R f |w1 + w2| / c, for
// the own echo (w1 = w2) 4 R f |w| / c.

namespace velmorant {

// The Moon's mean radius, m (IAU).
inline constexpr double kMoonRadiusM = 1737400.0;

// |w|, rad/s.
double LibrationSpeed(const LibrationRate& rate);

// The spread of the path from a station of rate `a` to one of rate `b` at carrierHz, hertz:
// 2 R f |a + b| / c (R = kMoonRadiusM).
double LibrationSpreadHz(const LibrationRate& a, const LibrationRate& b, double carrierHz);

struct MoonEchoFigures {
    LibrationRate Home;
    LibrationRate DX;
    double EchoSpreadHz = 0;             // Home's own echo, hertz at the carrier
    double DXSpreadHz = 0;               // Home heard at DX, hertz at the carrier
    double EchoDopplerRateHzPerMin = 0;  // d(echo Doppler)/dt at the carrier, Hz per minute
    double EchoDelayS = 0;               // 2 x the distance from Home to the Moon's centre / c, s
};

// The figures at the UTC instant for Home and DX at sea level (as the Doppler: see
// core/ephemeris/doppler.h), the rates as differences over the minute around the instant, with a
// frame (DopplerFrameAt) of an instant up to a minute away (the samples 30 s either side take it
// too: its turning over 90 s moves a station by millimetres). Accuracy against an independent
// ephemeris and lunar rotation model over 2000-2050 (tests/data/spread, 400 instants, stations at
// the poles, the equator and 180 degrees among them): the spreads within 0.07 Hz (0.2 %) at 10368
// MHz, the Doppler rate within 0.01 Hz per minute, the delay within 0.13 ms (the two lunar series'
// distances part by up to 20 km).
MoonEchoFigures MoonEchoFiguresAt(const UtcDateTime& utc, const DopplerFrame& frame,
                                  const GeoSite& home, const GeoSite& dx, double carrierHz);
MoonEchoFigures MoonEchoFiguresAt(const UtcDateTime& utc, const GeoSite& home, const GeoSite& dx,
                                  double carrierHz);

}  // namespace velmorant
