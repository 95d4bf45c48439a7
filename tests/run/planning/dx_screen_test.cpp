// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/dx_screen.h"

#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// The first of the highest sines, wherever it lies: before and after the eight lanes' first
// reach of it, in the tail beyond the last eight, in a run shorter than eight.
TEST(HighestSine, IsTheFirstOfTheHighest) {
    struct Case {
        std::vector<float> Sines;
        std::size_t First;
    };
    const std::vector<Case> cases = {
        {{0.5f}, 0},
        {{0.1f, 0.3f, 0.3f}, 1},
        {{0.9f, 0, 0, 0, 0, 0, 0, 0, 0.9f}, 0},
        {{0, 0, 0, 0, 0, 0, 0.9f, 0, 0, 0.9f, 0, 0, 0, 0, 0, 0}, 6},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0.9f, 0, 0, 0, 0, 0, 0.9f}, 9},
        {{0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0.2f}, 16},
        {{-0.5f, -0.7f, -0.5f, -0.6f, -0.9f, -0.8f, -0.8f, -0.8f, -0.5f}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HighestSine(c.Sines.data(), c.Sines.size()), c.First);
    }
}

}  // namespace
}  // namespace velmorant
