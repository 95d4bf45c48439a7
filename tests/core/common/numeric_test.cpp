// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/numeric.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/common/constants.h"

namespace velmorant {
namespace {

struct DateCase {
    int Year;
    int Month;
    int Day;
    float Expected;
};

TEST(DayNumber, ReferenceDates) {
    const DateCase cases[] = {
        {2000, 1, 1, 53997},   // J2000.0 is day number 53997.5
        {1950, 1, 1, 35735},   // the sidereal-time epoch
        {1992, 4, 12, 51177},  // Julian Date 2448724.5
        {1900, 3, 1, 17532},   // first date of the exact span, Julian Date 2415079.5
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(DayNumber(c.Year, c.Month, c.Day), c.Expected)
            << c.Year << '-' << c.Month << '-' << c.Day;
    }
}

TEST(DayNumber, EveryFourthYearIsALeapYear) {
    EXPECT_EQ(DayNumber(2016, 3, 1) - DayNumber(2016, 2, 28), 2);
    EXPECT_EQ(DayNumber(2015, 3, 1) - DayNumber(2015, 2, 28), 1);
    // 2100 is no leap year, but the formula is used unchanged outside 1900-03-01..2100-02-28.
    EXPECT_EQ(DayNumber(2100, 3, 1) - DayNumber(2100, 2, 28), 2);
    EXPECT_EQ(DayNumber(2001, 1, 1) - DayNumber(2000, 12, 31), 1);
}

TEST(DayOfWeekName, NamesTheWeekdays) {
    EXPECT_EQ(DayOfWeekName(0), "SUNDAY");
    EXPECT_EQ(DayOfWeekName(53997), "SATURDAY");  // 2000-01-01
    const char* const week[] = {"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                                "THURSDAY", "FRIDAY", "SATURDAY"};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(DayOfWeekName(53998 + i), week[i % 7]) << i;
    }
    EXPECT_EQ(DayOfWeekName(-1), "SATURDAY");
    EXPECT_EQ(DayOfWeekName(-7), "SUNDAY");
}

TEST(DayOfWeekName, FractionalDayNumbersRoundHalfToEven) {
    EXPECT_EQ(DayOfWeekName(0.4), "SUNDAY");
    EXPECT_EQ(DayOfWeekName(0.5), "MONDAY");  // 1.5 becomes 2
    EXPECT_EQ(DayOfWeekName(1.5), "MONDAY");  // 2.5 becomes 2
    EXPECT_EQ(DayOfWeekName(6.6), "SUNDAY");  // 7.6 becomes 8: out of range
}

TEST(ToInteger16, RoundsHalfToEvenWithinSixteenBits) {
    EXPECT_EQ(ToInteger16(2.5), 2);
    EXPECT_EQ(ToInteger16(3.5), 4);
    EXPECT_EQ(ToInteger16(-2.5), -2);
    EXPECT_EQ(ToInteger16(-2.6), -3);
    EXPECT_EQ(ToInteger16(32767.4), 32767);
    EXPECT_EQ(ToInteger16(-32768.5), -32768);
    EXPECT_EQ(ToInteger16(32767.5), std::nullopt);
    EXPECT_EQ(ToInteger16(-32768.6), std::nullopt);
    EXPECT_EQ(ToInteger16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(ToInteger16(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(IntAndFix, FloorAndTruncation) {
    EXPECT_EQ(Int(-0.3), -1);
    EXPECT_EQ(Fix(-0.3), 0);
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Fix(-2.7), -2);
    EXPECT_EQ(Sgn(-4), -1);
    EXPECT_EQ(Sgn(0), 0);
    EXPECT_EQ(Sgn(1e-300), 1);
}

TEST(RevolutionsToRadians, KeepsTheFractionOfATurn) {
    for (double revolutions : {1.25, 0.25, -0.75}) {
        EXPECT_EQ(RevolutionsToRadians(revolutions), 0.25 * TwoPi) << revolutions;
    }
    EXPECT_EQ(RevolutionsToRadians(-2), 0);
}

TEST(RoundedDegrees, RoundsHalfUpToATenth) {
    EXPECT_EQ(RoundedDegrees(0.5 * Pi), 90.0f);
    EXPECT_EQ(RoundedDegrees(TwoPi), 360.0f);
    EXPECT_EQ(RoundedDegrees(-0.2499 * DegToRad), -0.2f);
    EXPECT_EQ(RoundedDegrees(-0.2501 * DegToRad), -0.3f);
    EXPECT_EQ(RoundedDegrees(12.3449 * DegToRad), 12.3f);
    // The result is a Single: 12.3 is the nearest float, not the double 12.3.
    EXPECT_NE(static_cast<double>(RoundedDegrees(12.3 * DegToRad)), 12.3);
}

TEST(RoundToStep, RoundsHalfTowardPositiveInfinity) {
    EXPECT_DOUBLE_EQ(RoundToStep(2.25, 10), 2.3);
    EXPECT_DOUBLE_EQ(RoundToStep(-2.25, 10), -2.2);
    EXPECT_DOUBLE_EQ(RoundToStep(15.4949, 100), 15.49);
    EXPECT_DOUBLE_EQ(RoundToStep(53997.9999, 10), 53998);
}

TEST(Log10, DecimalLogarithm) {
    EXPECT_NEAR(Log10(1000), 3, 1e-15);
    EXPECT_EQ(Log10(1), 0);
    EXPECT_NEAR(Log10(2), 0.30103, 1e-6);
}

struct ArcTanCase {
    double Y;
    double X;
    double Expected;
};

TEST(ArcTan2, AllQuadrantsWithTheProgramsPi) {
    const double quarter = std::atan(1.0);
    const ArcTanCase cases[] = {
        {1, 1, quarter},
        {-1, 1, -quarter},
        {1, -1, -quarter + Pi},  // the program's Pi, not the true one
        {-1, -1, quarter - Pi},
        {0, 1, 0},
        {0, -1, Pi},  // the negative x axis is half a turn
        {1, 0, Pi / 2},
        {-1, 0, -Pi / 2},
        {0, 0, 0},
    };
    for (const ArcTanCase& c : cases) {
        EXPECT_EQ(ArcTan2(c.Y, c.X), c.Expected) << "y=" << c.Y << " x=" << c.X;
    }
    EXPECT_NEAR(ArcTan2(1, -1), 2.3561945, 1e-7);
}

TEST(ArcTan2, WorksAsAnArcSine) {
    for (double s : {-0.99, -0.5, 0.0, 0.3, 0.999}) {
        EXPECT_NEAR(ArcTan2(s, std::sqrt(1 - s * s)), std::asin(s), 1e-15) << s;
    }
}

}  // namespace
}  // namespace velmorant
