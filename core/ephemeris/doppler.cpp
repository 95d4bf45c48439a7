// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/doppler.h"

#include <cmath>

#include <erfam.h>

namespace velmorant {

namespace {

// The speed of light, m/s (exact, by the definition of the metre; ERFA's ERFA_CMPS).
constexpr double kLightSpeedMps = ERFA_CMPS;

// Both stations' rates and the shifts at carrierHz for the frame.
MoonDopplerResult DopplerOf(const InstantDates& dates, const DopplerFrame& frame,
                            const GeoSite& home, const GeoSite& dx, double carrierHz) {
    const StateVector moon = GeocentricMoon(dates);
    return MoonDopplerAtCarrier(RangeRate(Relative(moon, StationState(dates, frame, home))),
                                RangeRate(Relative(moon, StationState(dates, frame, dx))),
                                carrierHz);
}

}  // namespace

MoonDopplerResult MoonDopplerAtCarrier(double homeRangeRateMps, double dxRangeRateMps,
                                       double carrierHz) {
    MoonDopplerResult result;
    result.HomeRangeRateMps = homeRangeRateMps;
    result.DXRangeRateMps = dxRangeRateMps;
    result.EchoHz = -2.0 * carrierHz * homeRangeRateMps / kLightSpeedMps;
    result.DXHz = -carrierHz * (homeRangeRateMps + dxRangeRateMps) / kLightSpeedMps;
    return result;
}

double MoonRangeRateMps(const UtcDateTime& utc, const GeoSite& station) {
    const InstantDates dates = InstantDatesOf(utc);
    return RangeRate(
        Relative(GeocentricMoon(dates), StationState(dates, DopplerFrameOf(dates), station)));
}

MoonDopplerResult MoonDoppler(const UtcDateTime& utc, const GeoSite& home, const GeoSite& dx,
                              double carrierHz) {
    const InstantDates dates = InstantDatesOf(utc);
    return DopplerOf(dates, DopplerFrameOf(dates), home, dx, carrierHz);
}

MoonDopplerResult MoonDoppler(const UtcDateTime& utc, const DopplerFrame& frame,
                              const GeoSite& home, const GeoSite& dx, double carrierHz) {
    return DopplerOf(InstantDatesOf(utc), frame, home, dx, carrierHz);
}

}  // namespace velmorant
