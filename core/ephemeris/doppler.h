// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ephemeris/ephemeris_instant.h"
#include "core/series/horizon.h"

// The Moon's Doppler shift for EME: the rate of change of the distance from each station to the
// Moon, and the shifts of the Home echo and of a signal from Home heard at DX. Unlike the rest of
// the engine these are computed in double throughout, from ERFA's routines (see
// core/ephemeris/ephemeris_instant.h for the instant, the Moon and the station; DopplerFrameAt
// there gives a frame to reuse for the instants of a minute).

namespace velmorant {

// The shifts of one instant; "rate" is the time derivative of the topocentric distance,
// positive while the Moon recedes from the station.
struct MoonDopplerResult {
    double HomeRangeRateMps = 0;  // m/s
    double DXRangeRateMps = 0;    // m/s
    double EchoHz = 0;            // Home's own echo: -2 f rateHome / c, hertz
    double DXHz = 0;              // Home heard at DX: -f (rateHome + rateDX) / c, hertz
};

// Rate of change of the distance from a station at sea level (WGS84 ellipsoid, height 0) to the
// Moon's centre at the UTC instant, m/s, positive when the distance grows.
// station: radians, latitude north positive (geodetic), longitude WEST positive.
// TT = UTC + leap seconds (eraDat) + 32.184 s; before 1960, where ERFA has no table, the leap
// seconds count as 0 (TT off by up to half a minute, which moves the rate by less than 0.05 m/s).
// UT1 is taken as UTC (at most 0.9 s apart, under 0.01 m/s) and polar motion as 0. No light
// time: the distance is the one at the instant. Accuracy: within 0.08 m/s (rms 0.02 m/s) of an
// independent ephemeris over 2000-2050 (tests/data/doppler), the two lunar series differing.
double MoonRangeRateMps(const UtcDateTime& utc, const GeoSite& station);

// The Doppler shifts at the carrier frequency carrierHz (hertz) for the Home and DX stations
// (as MoonRangeRateMps), c = 299792458 m/s. Positive when the received frequency is higher than
// the one sent (the Moon approaching). Accuracy: that of the rates: within 0.7 Hz (rms 0.16 Hz)
// of the reference at 1296 MHz, 6 Hz at 10368 MHz.
MoonDopplerResult MoonDoppler(const UtcDateTime& utc, const GeoSite& home, const GeoSite& dx,
                              double carrierHz);

// The shifts at the carrier frequency carrierHz (hertz) of a Home and a DX range rate (m/s,
// positive while the Moon recedes), as MoonDoppler gives them: the shift scales with the carrier,
// so the rates of one instant give its shifts at any frequency.
MoonDopplerResult MoonDopplerAtCarrier(double homeRangeRateMps, double dxRangeRateMps,
                                       double carrierHz);

// The same with a frame already computed (DopplerFrameAt) for an instant near `utc`; the frame of
// `utc` itself gives MoonDoppler's result to the last bit.
MoonDopplerResult MoonDoppler(const UtcDateTime& utc, const DopplerFrame& frame,
                              const GeoSite& home, const GeoSite& dx, double carrierHz);

}  // namespace velmorant
