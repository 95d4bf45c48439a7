// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/activity_window.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/common/constants.h"

namespace velmorant {
namespace {

struct LetterCase {
    int Region;
    double Gha;
    double Dec;
    char Expected;
};

class ActivityWindowTest : public testing::TestWithParam<LetterCase> {};

TEST_P(ActivityWindowTest, Letter) {
    const LetterCase& c = GetParam();
    EXPECT_EQ(ActivityWindowLetter(c.Region, c.Gha, c.Dec), c.Expected)
        << "region " << c.Region << " gha " << c.Gha << " dec " << c.Dec;
}

// Boundary values at the GHA of each case (radians), for orientation:
//   gha 1: b1/b2/b3 0.089, b4 -0.321;  gha 2: a1 1.930, c1/c2 0.636, c3 1.324, b3 0.896,
//   b4 0.487;  gha 3: a1 1.185, a2 1.563, c3 -0.034;  gha 4: a1 0.439, a2 0.817.
INSTANTIATE_TEST_SUITE_P(Regions, ActivityWindowTest,
                         testing::Values(
                             // Region 1, east of Greenwich's antimeridian (GHA >= Pi).
                             LetterCase{1, 4.0, 0.6, 'A'}, LetterCase{1, 4.0, 0.9, 'E'},
                             LetterCase{1, 4.0, 0.2, ' '},
                             // Region 1, GHA < Pi.
                             LetterCase{1, 1.0, 0.3, 'E'}, LetterCase{1, 1.0, 0.0, 'N'},
                             LetterCase{1, 2.0, 0.5, 'N'}, LetterCase{1, 2.0, 0.2, ' '},
                             LetterCase{1, 2.0, 1.0, 'E'},
                             // Region 2.
                             LetterCase{2, 2.0, 0.6, 'E'}, LetterCase{2, 2.0, 0.3, 'N'},
                             LetterCase{2, 2.0, 1.0, 'A'}, LetterCase{2, 4.0, 0.5, ' '},
                             // Region 3.
                             LetterCase{3, 2.0, 1.0, 'N'}, LetterCase{3, 3.0, 0.5, 'A'},
                             LetterCase{3, 3.0, 1.3, 'E'}, LetterCase{3, 2.0, 0.3, ' '},
                             // Regions other than 1..3 never get a letter.
                             LetterCase{0, 4.0, 0.6, ' '}, LetterCase{4, 2.0, 1.0, ' '}));

TEST(ActivityWindowLetter, NegativeDeclinationIsAlwaysBlank) {
    for (int region = 1; region <= 3; ++region) {
        for (double gha = 0; gha <= TwoPi; gha += 0.25) {
            EXPECT_EQ(ActivityWindowLetter(region, gha, -1e-9), ' ') << region << ' ' << gha;
            EXPECT_EQ(ActivityWindowLetter(region, gha, -0.4), ' ') << region << ' ' << gha;
        }
    }
}

TEST(ActivityWindowLetter, RegionOneAtGhaPiUsesTheWesternBranch) {
    // At GHA = Pi, a1 is at 1.079 and a2 at 1.457: 1.2 lies between them.
    EXPECT_EQ(ActivityWindowLetter(1, Pi, 1.2), 'A');
    EXPECT_EQ(ActivityWindowLetter(1, std::nextafter(Pi, 0.0), 1.2), ' ');
}

TEST(ActivityWindowLetter, PointsOnALineCountOnBothSides) {
    // On c3 at GHA 2 the Moon is both below c3 ('N' for region 3) and above it, below a1
    // ('A'): the later test wins.
    const double onC3 = -1.357242 * 2.0 + 4.038211;
    EXPECT_EQ(ActivityWindowLetter(3, 2.0, onC3), 'A');
    EXPECT_EQ(ActivityWindowLetter(3, 2.0, std::nextafter(onC3, 0.0)), 'N');
    // On a2 west of the antimeridian (region 1): above a1 and below a2 gives 'A', above a2
    // gives 'E', which comes later.
    const double onA2 = -0.74545 * 4.0 + 3.799083;
    EXPECT_EQ(ActivityWindowLetter(1, 4.0, onA2), 'E');
    EXPECT_EQ(ActivityWindowLetter(1, 4.0, std::nextafter(onA2, 0.0)), 'A');
    // Declination exactly 0 is tested like any other.
    EXPECT_EQ(ActivityWindowLetter(1, 1.0, 0.0), 'N');
}

}  // namespace
}  // namespace velmorant
