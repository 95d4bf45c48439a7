// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/map_captions.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

struct CaptionCase {
    const char* Name;
    std::vector<CaptionMark> Marks;  // names 60 x 13 pixels
    std::vector<CaptionBox> Expected;
};

TEST(PlaceCaptions, ALaterNameMovesOffTheEarlierOnes) {
    const CaptionCase cases[] = {
        {"far apart: both below and to the right",
         {{100, 100, 60, 13}, {400, 300, 60, 13}},
         {{100, 100, 60, 13}, {400, 300, 60, 13}}},
        {"DX a little above and right of Home: above its mark",
         {{100, 100, 60, 13}, {130, 95, 60, 13}},
         {{100, 100, 60, 13}, {130, 82, 60, 13}}},
        {"DX a little left of Home: to the left below",
         {{100, 100, 60, 13}, {90, 105, 60, 13}},
         {{100, 100, 60, 13}, {30, 105, 60, 13}}},
        {"DX just below and right of Home: under Home's name",
         {{100, 100, 60, 13}, {130, 105, 60, 13}},
         {{100, 100, 60, 13}, {130, 113, 60, 13}}},
        {"five at one place: the four sides, then under the names in the way",
         {{100, 100, 60, 13},
          {100, 100, 60, 13},
          {100, 100, 60, 13},
          {100, 100, 60, 13},
          {100, 100, 60, 13}},
         {{100, 100, 60, 13},
          {100, 87, 60, 13},
          {40, 100, 60, 13},
          {40, 87, 60, 13},
          {100, 113, 60, 13}}},
    };
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<CaptionBox> placed = PlaceCaptions(c.Marks);
        ASSERT_EQ(placed.size(), c.Expected.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].X, c.Expected[i].X) << i;
            EXPECT_EQ(placed[i].Y, c.Expected[i].Y) << i;
            EXPECT_EQ(placed[i].Width, 60);
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(placed[i].Overlaps(placed[j])) << i << " over " << j;
            }
        }
    }
}

}  // namespace
}  // namespace velmorant
