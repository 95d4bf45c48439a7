// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/moon_echo.h"

#include <cmath>

#include <erfam.h>

#include "core/moon_rotation.h"

namespace velmorant {

namespace {

// The speed of light, m/s (exact; ERFA_CMPS).
constexpr double kLightSpeedMps = ERFA_CMPS;
// Half the minute the rates are taken over, s.
constexpr double kHalfStepS = 30.0;
// J2000.0 as a Julian date (TT).
constexpr double kJ2000JulianDate = 2451545.0;

// The instant's states that the figures take.
struct Sample {
    StateVector Moon;
    StateVector Home;
    StateVector DX;
    double BodyMatrix[3][3] = {};
};

Sample SampleAt(const InstantDates& dates, const DopplerFrame& frame, const GeoSite& home,
                const GeoSite& dx) {
    Sample sample;
    sample.Moon = GeocentricMoon(dates);
    sample.Home = StationState(dates, frame, home);
    sample.DX = StationState(dates, frame, dx);
    MoonBodyMatrix(MoonOrientationAt((dates.Epoch - kJ2000JulianDate) + dates.TTDays),
                   sample.BodyMatrix);
    return sample;
}

// The unit vector from the Moon's centre to the station, body frame.
void SubStationPoint(const Sample& sample, const StateVector& station, double point[3]) {
    const StateVector offset = Relative(station, sample.Moon);
    const double distance = Length(offset.Position);
    for (int i = 0; i < 3; ++i) {
        point[i] = 0;
        for (int j = 0; j < 3; ++j) {
            point[i] += sample.BodyMatrix[i][j] * offset.Position[j] / distance;
        }
    }
}

LibrationRate RateOf(const Sample& before, const Sample& after, StateVector Sample::*station) {
    double from[3];
    double to[3];
    SubStationPoint(before, before.*station, from);
    SubStationPoint(after, after.*station, to);
    LibrationRate rate;
    double mid[3];
    for (int i = 0; i < 3; ++i) {
        rate.BodyRadPerS[i] = (to[i] - from[i]) / (2 * kHalfStepS);
        mid[i] = 0.5 * (to[i] + from[i]);
    }
    // East and north at the point midway.
    const double longitude = std::atan2(mid[1], mid[0]);
    const double latitude = std::atan2(mid[2], std::hypot(mid[0], mid[1]));
    const double* w = rate.BodyRadPerS;
    rate.EastRadPerS = -std::sin(longitude) * w[0] + std::cos(longitude) * w[1];
    rate.NorthRadPerS =
        -std::sin(latitude) * (std::cos(longitude) * w[0] + std::sin(longitude) * w[1]) +
        std::cos(latitude) * w[2];
    return rate;
}

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
    const Sample before = SampleAt(InstantDatesAfter(dates, -kHalfStepS), frame, home, dx);
    const Sample after = SampleAt(InstantDatesAfter(dates, kHalfStepS), frame, home, dx);

    MoonEchoFigures figures;
    figures.Home = RateOf(before, after, &Sample::Home);
    figures.DX = RateOf(before, after, &Sample::DX);
    figures.EchoSpreadHz = LibrationSpreadHz(figures.Home, figures.Home, carrierHz);
    figures.DXSpreadHz = LibrationSpreadHz(figures.Home, figures.DX, carrierHz);
    // The echo shift is -2 f rate / c; its change over the minute, per minute.
    const double rateChangeMps =
        RangeRate(Relative(after.Moon, after.Home)) - RangeRate(Relative(before.Moon, before.Home));
    figures.EchoDopplerRateHzPerMin =
        -2.0 * carrierHz * rateChangeMps / kLightSpeedMps * (60.0 / (2 * kHalfStepS));
    // The distance at the instant as the mean of the two 30 s away: short by half its second
    // derivative times (30 s)^2, under 20 m (0.2 microseconds of delay), and one Moon fewer.
    const double distanceM = 0.5 * (Length(Relative(before.Moon, before.Home).Position) +
                                    Length(Relative(after.Moon, after.Home).Position));
    figures.EchoDelayS = 2.0 * distanceM / kLightSpeedMps;
    return figures;
}

MoonEchoFigures MoonEchoFiguresAt(const UtcDateTime& utc, const GeoSite& home, const GeoSite& dx,
                                  double carrierHz) {
    return MoonEchoFiguresAt(utc, DopplerFrameAt(utc), home, dx, carrierHz);
}

}  // namespace velmorant
