// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/polarization.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/common/constants.h"

namespace velmorant {
namespace {

struct OffsetCase {
    float Home;
    float Dx;
    float Expected;
};

TEST(PolarizationOffset, FoldsIntoAHalfTurn) {
    const OffsetCase cases[] = {
        {12, 12, 0},                                     // the same place
        {40, -50, -90},                                  // exactly 90 folds to -90
        {-40, 50, 90},                                   // and -90 to 90
        {-44, 44, -88}, {100, -20, -60},                 // 120
        {-50, 45, 85},                                   // -95
        {89, 0, 89},    {-89, 0, -89},   {89, -89, -2},  // 178
    };
    for (const OffsetCase& c : cases) {
        EXPECT_EQ(PolarizationOffset(c.Home, c.Dx), c.Expected) << c.Home << ' ' << c.Dx;
    }
}

struct AngleCase {
    double AzimuthDeg;
    double ElevationDeg;
    double LatitudeDeg;
    float Expected;
};

TEST(PolarizationAngle, WholeDegreesRoundedDown) {
    // With the station on the equator and the object at azimuth 45 degrees, X is minus the
    // sine of the elevation, so atan(X) is about minus the elevation for small ones.
    const double elevationFor03 = std::asin(std::tan(0.3 * DegToRad)) * RadToDeg;
    const AngleCase cases[] = {
        {45, elevationFor03, 0, -1},  // -0.3 degrees becomes -1 (floor)
        {135, elevationFor03, 0, 0},  // +0.3 degrees becomes 0
        {90, 10, 40, 39},      // due east at 40 degrees N: atan(tan 40 cos 10) = 39.57 degrees
        {270, 10, 40, -40},    // due west: the mirror image, -39.57 rounded down
        {180.5, 30, 50, -90},  // just past south: -89.67 degrees
    };
    for (const AngleCase& c : cases) {
        const float azimuth = static_cast<float>(c.AzimuthDeg * DegToRad);
        const float elevation = static_cast<float>(c.ElevationDeg * DegToRad);
        EXPECT_EQ(PolarizationAngle(azimuth, elevation, c.LatitudeDeg * DegToRad), c.Expected)
            << c.AzimuthDeg << ' ' << c.ElevationDeg << ' ' << c.LatitudeDeg;
    }
}

TEST(PolarizationAngle, DueNorthIsAFullQuarterTurn) {
    // sin(azimuth) = 0: the quotient is infinite, the sign of the numerator decides.
    EXPECT_EQ(PolarizationAngle(0, static_cast<float>(20 * DegToRad), 50 * DegToRad), 90);
    EXPECT_EQ(PolarizationAngle(0, static_cast<float>(60 * DegToRad), 50 * DegToRad), -90);
    EXPECT_EQ(PolarizationAngle(0, 0, 0), 0);
}

TEST(PolarizationAngle, MirroredAzimuthsGiveOppositeAngles) {
    // Mirrored azimuths give opposite exact angles; the floor takes both down.
    const float el = static_cast<float>(25 * DegToRad);
    const float east = static_cast<float>(120 * DegToRad);
    const float west = static_cast<float>(240 * DegToRad);
    const float a = PolarizationAngle(east, el, 45 * DegToRad);
    const float b = PolarizationAngle(west, el, 45 * DegToRad);
    EXPECT_EQ(a, 52);  // 52.23 degrees
    EXPECT_EQ(b, -53);
}

}  // namespace
}  // namespace velmorant
