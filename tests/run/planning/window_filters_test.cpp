// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/window_filters.h"

#include <gtest/gtest.h>

#include "core/common/constants.h"

namespace velmorant {
namespace {

struct GmtCase {
    float Hhmm;
    float Low;  // the typed limits, read
    float High;
    bool Passes;
};

TEST(GmtWindowPass, HonoursTheTypedWindow) {
    const GmtCase cases[] = {
        {2400, 0, 2400, true},
        {1200, 600, 1800, true},
        {600, 600, 1800, true},
        {1800, 600, 1800, true},
        {1815, 600, 1800, false},
        // Across midnight: the maximum passes, the minimum does not.
        {600, 1800, 600, true},
        {1800, 1800, 600, false},
        {1815, 1800, 600, true},
        {1200, 1800, 600, false},
        {1200, 1200, 1200, true},
        {1215, 1200, 1200, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GmtWindowPass(c.Hhmm, c.Low, c.High), c.Passes)
            << c.Hhmm << " in " << c.Low << "-" << c.High;
    }
}

float Rad(double degrees) {
    return static_cast<float>(degrees * Pi / 180.0);
}

struct AzimuthCase {
    double Azimuth, Low, High;
    bool NorthOfZenith;
    bool Passes;
};

TEST(AzimuthWindowPass, ReadsTheWindowByWhereThePathCulminates) {
    const AzimuthCase cases[] = {
        {10, 0, 360, false, true},
        {10, 0, 360, true, true},
        // South of the zenith: inside low..High.
        {180, 90, 270, false, true},
        {80, 90, 270, false, false},
        {60, 30, 90, false, true},
        {200, 190, 300, false, true},
        {10, 270, 90, false, false},
        // North of the zenith: the window is read the other way round.
        {30, 90, 270, true, true},
        {180, 90, 270, true, false},
        {60, 90, 30, true, true},
        {300, 330, 200, true, true},
        {100, 270, 90, true, false},
    };
    const double latitude = 0.5;
    for (const auto& c : cases) {
        const double declination = c.NorthOfZenith ? latitude + 0.1 : latitude - 0.1;
        EXPECT_EQ(AzimuthWindowPass(Rad(c.Azimuth), Rad(c.Low), Rad(c.High), declination, latitude),
                  c.Passes)
            << c.Azimuth << " in " << c.Low << ".." << c.High << " north " << c.NorthOfZenith;
    }
}

}  // namespace
}  // namespace velmorant
