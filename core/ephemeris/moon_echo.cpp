// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/moon_echo.h"

#include <cmath>

#include <erfam.h>

namespace velmorant {

namespace {

// The speed of light, m/s (exact; ERFA_CMPS).
constexpr double kLightSpeedMps = ERFA_CMPS;
constexpr double kHalfStepS = LibrationField::kHalfStepS;

}  // namespace

double LibrationSpeed(const LibrationRate& rate) {
    return Length(rate.BodyRadPerS);
}

double LibrationSpreadHz(const LibrationRate& a, const LibrationRate& b, double carrierHz) {
    double sum[3];
    for (int i = 0; i < 3; ++i) {
        sum[i] = a.BodyRadPerS[i] + b.BodyRadPerS[i];
    }
    return 2.0 * kMoonRadiusM * carrierHz * Length(sum) / kLightSpeedMps;
}

MoonEchoFigures MoonEchoFiguresAt(const UtcDateTime& utc, const DopplerFrame& frame,
                                  const GeoSite& home, const GeoSite& dx, double carrierHz) {
    const InstantDates dates = InstantDatesOf(utc);
    const LibrationField field(dates, frame);

    MoonEchoFigures figures;
    figures.Home = field.RateOf(TerrestrialPointOf(home));
    figures.DX = field.RateOf(TerrestrialPointOf(dx));
    figures.EchoSpreadHz = LibrationSpreadHz(figures.Home, figures.Home, carrierHz);
    figures.DXSpreadHz = LibrationSpreadHz(figures.Home, figures.DX, carrierHz);
    // The echo shift is -2 f rate / c; its change over the minute, per minute.
    const StateVector homeBefore = StationState(InstantDatesAfter(dates, -kHalfStepS), frame, home);
    const StateVector homeAfter = StationState(InstantDatesAfter(dates, kHalfStepS), frame, home);
    const StateVector before = Relative(field.MoonBefore(), homeBefore);
    const StateVector after = Relative(field.MoonAfter(), homeAfter);
    const double rateChangeMps = RangeRate(after) - RangeRate(before);
    figures.EchoDopplerRateHzPerMin =
        -2.0 * carrierHz * rateChangeMps / kLightSpeedMps * (60.0 / (2 * kHalfStepS));
    // The distance at the instant as the mean of the two 30 s away: short by half its second
    // derivative times (30 s)^2, under 20 m (0.2 microseconds of delay), and one Moon fewer.
    const double distanceM = 0.5 * (Length(before.Position) + Length(after.Position));
    figures.EchoDelayS = 2.0 * distanceM / kLightSpeedMps;
    return figures;
}

MoonEchoFigures MoonEchoFiguresAt(const UtcDateTime& utc, const GeoSite& home, const GeoSite& dx,
                                  double carrierHz) {
    return MoonEchoFiguresAt(utc, DopplerFrameAt(utc), home, dx, carrierHz);
}

}  // namespace velmorant
