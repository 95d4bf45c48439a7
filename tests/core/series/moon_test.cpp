// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/moon.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {
namespace {

TEST(FundamentalArguments, MeanElementsAtJ2000) {
    const FundamentalArgs a = FundamentalArguments(53997, 0.5);
    EXPECT_EQ(a.t, 0);
    EXPECT_EQ(a.T, 1);
    EXPECT_DOUBLE_EQ(a.Lm, 0.606434 * TwoPi);
    EXPECT_DOUBLE_EQ(a.l, 0.374897 * TwoPi);
    EXPECT_DOUBLE_EQ(a.F, 0.259091 * TwoPi);
    EXPECT_DOUBLE_EQ(a.D, 0.827362 * TwoPi);
    EXPECT_DOUBLE_EQ(a.g5, 0.056531 * TwoPi);
}

TEST(FundamentalArguments, DayFractionAndDayNumberAddUp) {
    const FundamentalArgs a = FundamentalArguments(54000, 0.25);
    EXPECT_EQ(a.t, 2.75);
    EXPECT_DOUBLE_EQ(a.T, 2.75 / 36525 + 1);
    // The node regresses: a day later its mean longitude is smaller.
    const FundamentalArgs b = FundamentalArguments(54001, 0.25);
    EXPECT_NEAR(b.Om - a.Om, -0.00014709391 * TwoPi, 1e-12);
}

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

// Reference positions (geocentric, mean equinox of date) computed independently from the
// lunar theory of J. Meeus, Astronomical Algorithms, ch. 47, with its main 32 longitude and
// 30 latitude terms; the Delta T of the date (59 s in 1992, 69 s in 2024) is applied there.
struct EphemerisCase {
    int Year, Month, Day;
    double LongitudeDeg, LatitudeDeg, RightAscensionDeg, DeclinationDeg;
};

TEST(MoonPosition, AgreesWithAnIndependentEphemeris) {
    const EphemerisCase cases[] = {
        {1992, 4, 12, 133.172, -3.229, 134.694, 13.767},
        {2024, 3, 1, 220.484, -2.167, 217.358, -17.021},
    };
    // The short series are good to a few arc minutes.
    constexpr double toleranceDeg = 0.05;
    for (const EphemerisCase& c : cases) {
        const MoonEquatorial m = MoonPosition(DayNumber(c.Year, c.Month, c.Day), 0);
        EXPECT_NEAR(std::remainder(Degrees(m.Longitude) - c.LongitudeDeg, 360), 0, toleranceDeg)
            << c.Year;
        EXPECT_NEAR(Degrees(m.Latitude), c.LatitudeDeg, toleranceDeg) << c.Year;
        EXPECT_NEAR(Degrees(m.RightAscension), c.RightAscensionDeg, toleranceDeg) << c.Year;
        EXPECT_NEAR(Degrees(m.Declination), c.DeclinationDeg, toleranceDeg) << c.Year;
    }
}

TEST(MoonPosition, StaysInRangeOverTwoYears) {
    const float first = DayNumber(2024, 1, 1);
    for (int day = 0; day < 731; ++day) {
        for (double fraction : {0.0, 0.3, 0.7}) {
            const MoonEquatorial m = MoonPosition(first + day, fraction);
            ASSERT_GE(m.RightAscension, 0) << day;
            ASSERT_LE(m.RightAscension, TwoPi) << day;
            ASSERT_LT(std::fabs(m.Declination), 29.5 * DegToRad) << day;
        }
    }
}

TEST(MoonNoonDistance, NoonValuesAreStoredAsSingles) {
    MoonDistanceState state;
    MoonNoonDistance(state, DayNumber(1992, 4, 12));
    EXPECT_EQ(state.PreviousDistanceKm, 0);
    EXPECT_EQ(state.DistanceKm, static_cast<float>(state.EarthRadii * 6378.16));
    EXPECT_EQ(state.SemiDiameterArcmin, 936.74867 / state.EarthRadii);
    // Independent value for 1992-04-12 12h UT (Meeus, ch. 47, main terms): 368,014 km.
    EXPECT_NEAR(state.DistanceKm, 368014, 300);
}

TEST(MoonDistanceKm, AgreesWithTheNoonDistanceAndAtMidnightWithAnIndependentValue) {
    MoonDistanceState state;
    MoonNoonDistance(state, DayNumber(1992, 4, 12));
    EXPECT_NEAR(MoonDistanceKm(DayNumber(1992, 4, 12), 0.5), state.DistanceKm, 0.1);
    // Independent value for 1992-04-12 0h (Meeus, example 47.a): 368,409.7 km.
    EXPECT_NEAR(MoonDistanceKm(DayNumber(1992, 4, 12), 0.0), 368409.7, 300);
}

// Walks two years of dates: the distance stays in the Moon's range and the tracker marks each
// growing date "P" and each shrinking one "A", counting the dates since the last change.
TEST(MoonNoonDistance, TracksPerigeeAndApogeeOverTwoYears) {
    MoonDistanceState state;
    const float first = DayNumber(2024, 1, 1);
    int turns = 0;
    for (int day = 0; day < 731; ++day) {
        const MoonDistanceState before = state;
        MoonNoonDistance(state, first + day);
        ASSERT_EQ(state.PreviousDistanceKm, before.DistanceKm);
        ASSERT_GT(state.DistanceKm, 356000) << day;
        ASSERT_LT(state.DistanceKm, 407000) << day;
        ASSERT_GT(state.SemiDiameterArcmin, 14.6) << day;
        ASSERT_LT(state.SemiDiameterArcmin, 16.9) << day;
        const char* expectedMark = state.PreviousDistanceKm <= state.DistanceKm ? "P" : "A";
        ASSERT_EQ(state.TurnMark, expectedMark) << day;
        if (state.TurnMark == before.TurnMark) {
            ASSERT_EQ(state.DaysSinceTurn, before.DaysSinceTurn + 1) << day;
        } else {
            ASSERT_EQ(state.DaysSinceTurn, 1) << day;
            ++turns;
        }
    }
    // 731 days hold about 53 perigee and apogee passages, plus the first date's "P".
    EXPECT_GE(turns, 52);
    EXPECT_LE(turns, 55);
}

struct TurnCase {
    const char* Mark;
    std::int16_t Days;
    float PreviousKm;  // the DistanceKm the state holds before the date
    const char* ExpectedMark;
    std::int16_t ExpectedDays;
};

TEST(MoonNoonDistance, TurnMarkTransitions) {
    const float date = DayNumber(2024, 3, 1);
    MoonDistanceState probe;
    MoonNoonDistance(probe, date);
    const float noonKm = probe.DistanceKm;
    const TurnCase cases[] = {
        {"", 0, 0, "P", 1},               // the first date of a run starts "P"
        {"A", 6, noonKm - 1000, "P", 1},  // past perigee
        {"P", 6, noonKm + 1000, "A", 1},  // past apogee
        {"P", 6, noonKm - 1000, "P", 7},  // still growing
        {"A", 3, noonKm + 1000, "A", 4},  // still shrinking
        {"A", 3, noonKm, "P", 1},         // an equal distance counts as growing
    };
    for (const TurnCase& c : cases) {
        MoonDistanceState state;
        state.TurnMark = c.Mark;
        state.DaysSinceTurn = c.Days;
        state.DistanceKm = c.PreviousKm;
        MoonNoonDistance(state, date);
        EXPECT_EQ(state.PreviousDistanceKm, c.PreviousKm);
        EXPECT_EQ(state.TurnMark, c.ExpectedMark) << c.Mark << ' ' << c.PreviousKm;
        EXPECT_EQ(state.DaysSinceTurn, c.ExpectedDays) << c.Mark << ' ' << c.PreviousKm;
    }
}

}  // namespace
}  // namespace velmorant
