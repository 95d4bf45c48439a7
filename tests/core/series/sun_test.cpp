// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/sun.h"

#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {
namespace {

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

// Reference positions at 0h UT computed independently from the low-precision solar
// coordinates of J. Meeus, Astronomical Algorithms, ch. 25 (mean equinox of date).
struct SunCase {
    int Year, Month, Day;
    double LongitudeDeg, RightAscensionDeg, DeclinationDeg;
};

TEST(SunPosition, AgreesWithAnIndependentEphemeris) {
    const SunCase cases[] = {
        {1992, 10, 13, 199.910, 198.382, -7.785},
        {2024, 6, 21, 90.133, 90.145, 23.436},
    };
    for (const SunCase& c : cases) {
        const SunEquatorial sun = SunPosition(DayNumber(c.Year, c.Month, c.Day), 0);
        EXPECT_NEAR(std::remainder(Degrees(sun.Longitude) - c.LongitudeDeg, 360), 0, 0.01);
        EXPECT_NEAR(Degrees(sun.RightAscension), c.RightAscensionDeg, 0.01) << c.Year;
        EXPECT_NEAR(Degrees(sun.Declination), c.DeclinationDeg, 0.01) << c.Year;
    }
}

TEST(SunPosition, StaysInRangeOverAYear) {
    const float first = DayNumber(2023, 1, 1);
    for (int day = 0; day < 366; ++day) {
        const SunEquatorial sun = SunPosition(first + day, 0.5);
        ASSERT_GE(sun.RightAscension, 0) << day;
        ASSERT_LE(sun.RightAscension, TwoPi) << day;
        ASSERT_LE(std::fabs(Degrees(sun.Declination)), 23.45) << day;
    }
}

TEST(SampledSunRightAscension, AdvancesFromTheMidnightValue) {
    EXPECT_EQ(SampledSunRightAscension(1.5, 0), 1.5);
    EXPECT_DOUBLE_EQ(SampledSunRightAscension(1.5, 0.5), 1.5 + 0.0186625 * 0.5);
    // Past 24 h it comes back round to the start of the circle.
    EXPECT_DOUBLE_EQ(SampledSunRightAscension(TwoPi - 0.01, 1), TwoPi - 0.01 + 0.0186625 - TwoPi);
}

TEST(SampledSunRightAscension, FollowsTheSunThroughTheDay) {
    // A mean rate: the true one varies between about 0.9 and 1.1 degrees a day.
    const float date = DayNumber(2024, 4, 20);
    const double at0h = SunPosition(date, 0).RightAscension;
    EXPECT_NEAR(SampledSunRightAscension(at0h, 0.75), SunPosition(date, 0.75).RightAscension,
                0.2 * DegToRad * 0.75);
}

struct PhaseCase {
    double MoonDeg;
    double SunDeg;
    const char* Mark;
};

TEST(LunarPhaseMark, MarksNewAndFullMoon) {
    const PhaseCase cases[] = {
        {100, 93.6, "NM"},
        {93.6, 100, "NM"},
        {100, 93.4, "  "},
        {100, 100, "NM"},
        {200, 26.4, "      FM"},
        {26.4, 200, "      FM"},
        {200, 26.6, "  "},
        {357.5, 2.5, "NM"},  // 23h50m against 0h10m: 5 degrees across the 0/24
                             // h boundary
        {2.5, 357.5, "NM"},
        {90, 270, "      FM"},
    };
    for (const PhaseCase& c : cases) {
        EXPECT_EQ(LunarPhaseMark(c.MoonDeg * DegToRad, c.SunDeg * DegToRad), c.Mark)
            << c.MoonDeg << ' ' << c.SunDeg;
    }
}

}  // namespace
}  // namespace velmorant
