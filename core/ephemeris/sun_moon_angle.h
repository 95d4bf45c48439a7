// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ephemeris/ephemeris_instant.h"
#include "core/series/horizon.h"

// The angle between the Sun and the Moon seen from a station: how close the Sun's noise comes
// to the Moon in the antenna's beam.

namespace velmorant {

// The angle between the directions from `home` (at sea level) to the Sun's and to the Moon's
// centres at the UTC instant, degrees in [0, 180]. The Sun from ERFA's planetary ephemeris
// (eraPlan94's Earth-Moon barycentre, the Earth placed from it with the Moon; the Sun's direction
// as the Earth's heliocentric position reversed; eraEpv00 would do the same at twenty times the
// cost), the Moon and the station as for the Doppler (core/ephemeris/ephemeris_instant.h);
// geometric directions, no light time or aberration (together under 0.006 degree). Within 0.006
// degree of an independent ephemeris over 2000-2050 (tests/data/spread).
double SunMoonAngleDeg(const UtcDateTime& utc, const GeoSite& home);

// The same with a frame (DopplerFrameAt) of an instant up to a minute away.
double SunMoonAngleDeg(const UtcDateTime& utc, const DopplerFrame& frame, const GeoSite& home);

}  // namespace velmorant
