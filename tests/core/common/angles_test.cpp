// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/angles.h"

#include <ostream>

#include <gtest/gtest.h>

#include "core/common/constants.h"

namespace velmorant {
namespace {

// A negative angle so small that adding a turn to it rounds to TwoPi.
constexpr double TinyNegative = -1e-17;

struct WrapCase {
    double Radians;
    double Closed;     // WrapTwoPiClosed, [0, TwoPi]
    double Open;       // WrapTwoPiOpen, [0, TwoPi)
    double AboveZero;  // WrapTwoPiAboveZero, (0, TwoPi]
};

void PrintTo(const WrapCase& c, std::ostream* os) {
    *os << c.Radians;
}

class Wrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(Wrap, EachFormKeepsItsEnds) {
    const WrapCase& c = GetParam();
    EXPECT_EQ(WrapTwoPiClosed(c.Radians), c.Closed);
    EXPECT_EQ(WrapTwoPiOpen(c.Radians), c.Open);
    EXPECT_EQ(WrapTwoPiAboveZero(c.Radians), c.AboveZero);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Wrap,
    ::testing::Values(WrapCase{0, 0, 0, TwoPi}, WrapCase{1, 1, 1, 1},
                      WrapCase{TwoPi, TwoPi, 0, TwoPi},
                      WrapCase{-1, TwoPi - 1, TwoPi - 1, TwoPi - 1}, WrapCase{TwoPi + 1, 1, 1, 1},
                      WrapCase{-Pi, Pi, Pi, Pi},
                      // A turn added to a tiny negative angle lands on TwoPi itself.
                      WrapCase{TinyNegative, TwoPi, 0, TwoPi}));

TEST(WrapPeriodByFloor, RemovesWholePeriods) {
    EXPECT_EQ(WrapPeriodByFloor(25, 24), 1);
    EXPECT_EQ(WrapPeriodByFloor(-1, 24), 23);
    EXPECT_EQ(WrapPeriodByFloor(48, 24), 0);
    EXPECT_EQ(WrapPeriodByFloor(-0.75, 1), 0.25);
    EXPECT_EQ(WrapPeriodByFloor(3.25, 1), 0.25);
    EXPECT_EQ(WrapPeriodByFloor(-Pi, TwoPi), Pi);
}

}  // namespace
}  // namespace velmorant
