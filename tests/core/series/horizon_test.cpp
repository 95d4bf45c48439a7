// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/horizon.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

TEST(SiderealTime, ReferenceInstants) {
    EXPECT_NEAR(SiderealTime(DayNumber(2000, 1, 1), 0), 6.6647, 5e-5);
    // IAU 1982 mean sidereal time (18.697374558 h + 24.06570982441908 h per day from J2000.0)
    // gives 10.61943 h at 2024-03-01 0h UT; the nutation term adds up to 0.0003 h.
    EXPECT_NEAR(SiderealTime(DayNumber(2024, 3, 1), 0), 10.61943, 5e-4);
}

TEST(SiderealTime, StaysWithinADay) {
    const float first = DayNumber(2024, 1, 1);
    for (int day = 0; day < 40; ++day) {
        for (double fraction = 0; fraction <= 1; fraction += 1.0 / 96) {
            const double hours = SiderealTime(first + day, fraction);
            ASSERT_GE(hours, 0);
            ASSERT_LT(hours, 24);
        }
    }
}

TEST(SiderealTime, GainsAboutFourMinutesADay) {
    const float date = DayNumber(2024, 5, 5);
    const double gain = SiderealTime(date + 1, 0) - SiderealTime(date, 0);
    EXPECT_NEAR(gain, 0.0657098, 1e-5);
}

TEST(GreenwichHourAngle, StaysWithinATurn) {
    for (double hours = 0; hours < 24; hours += 0.37) {
        for (double ra = 0; ra <= TwoPi; ra += 0.29) {
            const double gha = GreenwichHourAngle(hours, ra);
            ASSERT_GE(gha, 0);
            ASSERT_LE(gha, TwoPi);
        }
    }
    EXPECT_NEAR(GreenwichHourAngle(0, 1), TwoPi - 1, 1e-15);
    EXPECT_NEAR(GreenwichHourAngle(6, 0.5), 6 * 0.2617994 - 0.5, 1e-15);
}

// Horizon coordinates from the textbook formulas, with the local hour angle (west positive).
struct Horizon {
    double Azimuth;
    double Elevation;
};

Horizon ExpectedHorizon(double latitude, double declination, double localHourAngle) {
    const double elevation =
        std::asin(std::sin(latitude) * std::sin(declination) +
                  std::cos(latitude) * std::cos(declination) * std::cos(localHourAngle));
    double azimuth =
        std::atan2(-std::cos(declination) * std::sin(localHourAngle),
                   std::sin(declination) * std::cos(latitude) -
                       std::cos(declination) * std::sin(latitude) * std::cos(localHourAngle));
    if (azimuth <= 0) {
        azimuth += 2 * std::numbers::pi;
    }
    return {azimuth, elevation};
}

TEST(HorizonPosition, AgreesWithTheTextbookFormulasWithoutParallax) {
    const double longitudeWest = 75 * kRadiansPerDegree;
    for (double latitudeDeg : {-60.0, -35.0, 0.0, 20.0, 52.0, 80.0}) {
        for (double declinationDeg : {-25.0, 0.0, 15.0, 28.0}) {
            for (double localHourAngle : {-2.5, -1.0, -0.3, 0.4, 1.2, 2.9}) {
                const double latitude = latitudeDeg * kRadiansPerDegree;
                const double declination = declinationDeg * kRadiansPerDegree;
                // The local hour angle is GHA less the west-positive longitude.
                const double objectGha = longitudeWest + localHourAngle;
                StationView view;
                view.PolarizationAngle = 42;
                ASSERT_TRUE(HorizonPosition(view, {latitude, longitudeWest}, {0, declination},
                                            objectGha, std::nullopt));
                const Horizon expected = ExpectedHorizon(latitude, declination, localHourAngle);
                const double where[] = {latitudeDeg, declinationDeg, localHourAngle};
                // Sine and cosine of the elevation are Singles: about 1e-7 of accuracy.
                EXPECT_NEAR(view.Elevation, expected.Elevation, 2e-6)
                    << where[0] << ' ' << where[1] << ' ' << where[2];
                EXPECT_NEAR(view.Azimuth, expected.Azimuth, 2e-6)
                    << where[0] << ' ' << where[1] << ' ' << where[2];
                EXPECT_EQ(view.AzimuthSingle, static_cast<float>(view.Azimuth));
                EXPECT_EQ(view.ElevationSingle, static_cast<float>(view.Elevation));
                EXPECT_EQ(view.PolarizationAngle, 42);
            }
        }
    }
}

struct MeridianCase {
    double LatitudeDeg;
    double DeclinationDeg;
    double HourAngleOffset;  // GHA minus the west-positive longitude: positive is west
    double MinAzimuthDeg;
    double MaxAzimuthDeg;
};

TEST(HorizonPosition, AzimuthNearTheMeridian) {
    const MeridianCase cases[] = {
        {45, 10, 1e-3, 180, 180.5},    // just west, culminating south of the zenith
        {45, 10, -1e-3, 179.5, 180},   // just east
        {45, 60, 1e-3, 359.5, 360},    // just west, culminating north of the zenith
        {-35, 10, 1e-3, 359.5, 360},   // southern station: the equator culminates north
        {-35, -60, 1e-3, 180, 180.5},  // southern station, object south of the zenith
        {45, 60, 0, 360, 360},         // exactly due north: a full turn, never 0
        // Exactly on the meridian to the south the azimuth sine is 0: due south, half a turn.
        {45, 10, 0, 180, 180},
    };
    const double longitudeWest = -0.3;
    for (const MeridianCase& c : cases) {
        StationView view;
        ASSERT_TRUE(HorizonPosition(view, {c.LatitudeDeg * DegToRad, longitudeWest},
                                    {0, c.DeclinationDeg * DegToRad},
                                    longitudeWest + c.HourAngleOffset, std::nullopt));
        const double azimuthDeg = view.Azimuth * RadToDeg;
        EXPECT_GE(azimuthDeg, c.MinAzimuthDeg) << c.LatitudeDeg << ' ' << c.DeclinationDeg;
        EXPECT_LE(azimuthDeg, c.MaxAzimuthDeg) << c.LatitudeDeg << ' ' << c.DeclinationDeg;
    }
}

TEST(HorizonPosition, ZenithLeavesTheViewUnchanged) {
    StationView view;
    view.Azimuth = 1.25;
    view.Elevation = 0.5;
    view.AzimuthSingle = 1.25f;
    view.ElevationSingle = 0.5f;
    EXPECT_FALSE(HorizonPosition(view, {30 * DegToRad, 0.2}, {0, 30 * DegToRad}, 0.2, 384400));
    EXPECT_EQ(view.Azimuth, 1.25);
    EXPECT_EQ(view.Elevation, 0.5);
    EXPECT_EQ(view.AzimuthSingle, 1.25f);
    EXPECT_EQ(view.ElevationSingle, 0.5f);
}

TEST(HorizonPosition, StationAtAPoleIsHeldJustOffIt) {
    StationView view;
    ASSERT_TRUE(HorizonPosition(view, {Pi / 2, 0}, {0, 20 * DegToRad}, 1.0, std::nullopt));
    EXPECT_TRUE(std::isfinite(view.Azimuth));
    EXPECT_NEAR(view.Elevation, 20 * DegToRad, 1e-5);
}

TEST(HorizonPosition, MoonParallaxLowersTheHorizon) {
    // An equatorial station with the Moon a quarter turn west: geocentric elevation 0.
    const double longitudeWest = 0.4;
    const double gha = longitudeWest + Pi / 2;
    StationView geocentric;
    StationView topocentric;
    ASSERT_TRUE(HorizonPosition(geocentric, {0, longitudeWest}, {0, 0}, gha, std::nullopt));
    ASSERT_TRUE(HorizonPosition(topocentric, {0, longitudeWest}, {0, 0}, gha, 384400));
    EXPECT_NEAR(geocentric.Elevation, 0, 1e-7);
    EXPECT_NEAR((geocentric.Elevation - topocentric.Elevation) * RadToDeg, 0.95, 0.005);
    EXPECT_NEAR(topocentric.Azimuth, geocentric.Azimuth, 1e-6);
    // Nearer Moon, larger parallax: about 1.03 degrees at 356410 km.
    StationView perigee;
    ASSERT_TRUE(HorizonPosition(perigee, {0, longitudeWest}, {0, 0}, gha, 356410));
    EXPECT_NEAR((geocentric.Elevation - perigee.Elevation) * RadToDeg, 1.025, 0.005);
}

TEST(HorizonPosition, ParallaxGrowsTowardTheHorizon) {
    const double latitude = 50 * DegToRad;
    double previousDrop = 0;
    for (double declinationDeg : {45.0, 20.0, 0.0, -20.0, -39.0}) {
        StationView geocentric;
        StationView topocentric;
        const double declination = declinationDeg * DegToRad;
        ASSERT_TRUE(HorizonPosition(geocentric, {latitude, 0}, {0, declination}, 0, std::nullopt));
        ASSERT_TRUE(HorizonPosition(topocentric, {latitude, 0}, {0, declination}, 0, 384400));
        const double drop = geocentric.Elevation - topocentric.Elevation;
        EXPECT_GT(drop, previousDrop) << declinationDeg;
        EXPECT_LT(drop * RadToDeg, 0.96) << declinationDeg;
        previousDrop = drop;
    }
}

}  // namespace
}  // namespace velmorant
