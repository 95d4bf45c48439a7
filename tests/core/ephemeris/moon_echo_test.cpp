// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/moon_echo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/ephemeris/sun_moon_angle.h"

namespace velmorant {
namespace {

constexpr double kCarrierHz = 10368e6;
constexpr double kLightSpeedMps = 299792458.0;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// One line of tests/data/spread/moon_spread_reference.csv (see tools/spread_reference).
struct ReferenceRow {
    std::string Utc;
    UtcDateTime Instant;
    GeoSite Home;
    GeoSite DX;
    double HomeRate = 0;  // rad/s
    double DXRate = 0;
    double EchoSpreadHz = 0;
    double DXSpreadHz = 0;
    double EchoDelayS = 0;
    double DopplerRateHzPerMin = 0;
    double SunMoonAngleDeg = 0;
};

std::vector<ReferenceRow> ReadReference() {
    std::ifstream file(VELMORANT_SPREAD_REFERENCE);
    std::vector<ReferenceRow> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("utc,", 0) == 0) {
            continue;
        }
        ReferenceRow row;
        char utc[32] = {};
        double homeLat = 0, homeLonEast = 0, dxLat = 0, dxLonEast = 0;
        const int fields = std::sscanf(
            line.c_str(), "%31[^,],%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf", utc, &homeLat,
            &homeLonEast, &dxLat, &dxLonEast, &row.HomeRate, &row.DXRate, &row.EchoSpreadHz,
            &row.DXSpreadHz, &row.EchoDelayS, &row.DopplerRateHzPerMin, &row.SunMoonAngleDeg);
        EXPECT_EQ(fields, 12) << line;
        int second = 0;
        std::sscanf(utc, "%d-%d-%dT%d:%d:%dZ", &row.Instant.Year, &row.Instant.Month,
                    &row.Instant.Day, &row.Instant.Hour, &row.Instant.Minute, &second);
        row.Instant.Second = second;
        row.Utc = utc;
        // The table's longitudes are east positive, the engine's west positive.
        row.Home = GeoSite{Radians(homeLat), -Radians(homeLonEast)};
        row.DX = GeoSite{Radians(dxLat), -Radians(dxLonEast)};
        rows.push_back(row);
    }
    return rows;
}

// The worst difference of one figure over the table, absolute and as a share of the reference.
struct Sweep {
    double WorstAbsolute = 0;
    double WorstRelative = 0;
    double SumSquares = 0;
    int Count = 0;
    std::string WorstRow;

    void Add(const std::string& utc, double value, double reference) {
        const double difference = value - reference;
        SumSquares += difference * difference;
        ++Count;
        if (std::abs(difference) > WorstAbsolute) {
            WorstAbsolute = std::abs(difference);
            WorstRow = utc;
        }
        if (std::abs(reference) > 0) {
            WorstRelative = std::max(WorstRelative, std::abs(difference / reference));
        }
    }
    void Print(const char* name, const char* unit) const {
        std::printf("%-24s %4d values: worst %.6g %s (%s), worst share %.4f %%, rms %.6g %s\n",
                    name, Count, WorstAbsolute, unit, WorstRow.c_str(), 100 * WorstRelative,
                    std::sqrt(SumSquares / std::max(Count, 1)), unit);
    }
};

TEST(MoonEcho, AgreesWithIndependentEphemerisAndRotationModel) {
    const std::vector<ReferenceRow> rows = ReadReference();
    ASSERT_EQ(rows.size(), 400u) << VELMORANT_SPREAD_REFERENCE;
    Sweep spread, delay, dopplerRate, sunMoon;
    for (const ReferenceRow& row : rows) {
        const MoonEchoFigures figures =
            MoonEchoFiguresAt(row.Instant, row.Home, row.DX, kCarrierHz);
        for (const auto& [value, reference] : {std::pair{figures.EchoSpreadHz, row.EchoSpreadHz},
                                               std::pair{figures.DXSpreadHz, row.DXSpreadHz}}) {
            spread.Add(row.Utc, value, reference);
            EXPECT_NEAR(value, reference, std::max(1.0, 0.05 * reference)) << row.Utc;
        }
        delay.Add(row.Utc, figures.EchoDelayS, row.EchoDelayS);
        EXPECT_NEAR(figures.EchoDelayS, row.EchoDelayS, 1e-3) << row.Utc;
        dopplerRate.Add(row.Utc, figures.EchoDopplerRateHzPerMin, row.DopplerRateHzPerMin);
        EXPECT_NEAR(figures.EchoDopplerRateHzPerMin, row.DopplerRateHzPerMin, 0.05) << row.Utc;
        const double angle = SunMoonAngleDeg(row.Instant, row.Home);
        sunMoon.Add(row.Utc, angle, row.SunMoonAngleDeg);
        EXPECT_NEAR(angle, row.SunMoonAngleDeg, 0.01) << row.Utc;
    }
    spread.Print("spread at 10368 MHz", "Hz");
    delay.Print("echo delay", "s");
    dopplerRate.Print("echo Doppler rate", "Hz/min");
    sunMoon.Print("Sun-Moon angle", "deg");
}

// The own echo is the path from Home to itself: the spread 4 R f |w| / c, the same whether it
// comes as the echo or as DX standing where Home stands.
TEST(MoonEcho, OwnEchoIsThePathToItself) {
    const UtcDateTime instant{2031, 7, 14, 5, 30, 12.5};
    const GeoSite home{Radians(52.2), Radians(0.1)};
    const MoonEchoFigures figures = MoonEchoFiguresAt(instant, home, home, kCarrierHz);
    EXPECT_NEAR(figures.EchoSpreadHz,
                4 * kMoonRadiusM * kCarrierHz * LibrationSpeed(figures.Home) / kLightSpeedMps,
                1e-9);
    EXPECT_DOUBLE_EQ(figures.DXSpreadHz, figures.EchoSpreadHz);
    EXPECT_NEAR(std::hypot(figures.Home.EastRadPerS, figures.Home.NorthRadPerS),
                LibrationSpeed(figures.Home), 1e-3 * LibrationSpeed(figures.Home));
}

// The Earth's turn carries a station on the equator east by 465 m/s, 1.2e-6 rad/s seen from the
// Moon: its sub-station point runs east over the Moon, which turns the same way eighty times
// slower. At the poles that part is 0 and the optical libration (under 5e-7 rad/s) is left.
// The windows pass takes one frame for a whole date: half a day off moves a spread by under one
// part in a million.
TEST(MoonEcho, AFrameHalfADayAwayServesTheLibrationField) {
    const UtcDateTime instant{2044, 3, 21, 23, 59, 0};
    const InstantDates dates = InstantDatesOf(instant);
    const LibrationField exact(dates, DopplerFrameOf(dates));
    const LibrationField shared(dates, DopplerFrameOf(InstantDatesAfter(dates, -43200)));
    for (const GeoSite& station : {GeoSite{Radians(-89), Radians(10)}, GeoSite{0, Radians(180)},
                                   GeoSite{Radians(48.1), Radians(-11.6)}}) {
        const TerrestrialPoint point = TerrestrialPointOf(station);
        const double speed = LibrationSpeed(exact.RateOf(point));
        const LibrationRate rate = shared.RateOf(point);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(rate.BodyRadPerS[i], exact.RateOf(point).BodyRadPerS[i], 1e-6 * speed);
        }
    }
}

TEST(MoonEcho, EarthsTurnCarriesTheSubStationPointEast) {
    for (int month = 1; month <= 12; ++month) {
        const UtcDateTime instant{2038, month, 9, 3 * month, 0, 0};
        const MoonEchoFigures equator = MoonEchoFiguresAt(
            instant, GeoSite{0, Radians(30.0 * month)}, GeoSite{Radians(90), 0}, kCarrierHz);
        EXPECT_GT(equator.Home.EastRadPerS, 5e-7) << month;
        EXPECT_GT(equator.Home.EastRadPerS, std::abs(equator.Home.NorthRadPerS)) << month;
        EXPECT_LT(LibrationSpeed(equator.DX), 5e-7) << month;
        EXPECT_GT(equator.DXSpreadHz, 0) << month;
    }
}

}  // namespace
}  // namespace velmorant
