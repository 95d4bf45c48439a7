// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/dx_screen.h"

#include <cmath>
#include <cstdint>
#include <cstring>
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

// The screen as the processor runs it (vector code where it has AVX2) gives the plain code's
// sines to the bit and its classes: directions all over the sphere and near the poles, the
// padding's zeros, Home's mask on and off, and a count that leaves a tail of fewer than eight.
TEST(ClassifyInstants, AgreesWithThePlainCode) {
    constexpr std::size_t kCount = 8 * 40 + 5;
    std::vector<float> x(kCount), y(kCount), z(kCount);
    std::vector<std::uint8_t> mask(kCount);
    std::uint32_t state = 2026;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 16777216.0;  // [0, 1)
    };
    for (std::size_t i = 0; i < kCount; ++i) {
        // Most instants spread over the sphere; some within a hair of the poles; some zeros.
        const double dec = i % 13 == 0   ? (i % 2 == 0 ? 1 : -1) * (1.5707 + 1e-4 * next())
                           : i % 17 == 0 ? 0
                                         : std::asin(2 * next() - 1);
        const double ha = 6.283185307 * next();
        x[i] = static_cast<float>(std::cos(dec) * std::cos(ha));
        y[i] = static_cast<float>(std::cos(dec) * std::sin(ha));
        z[i] = static_cast<float>(std::sin(dec));
        if (i % 17 == 0) {
            x[i] = y[i] = z[i] = 0;
        }
        mask[i] = i % 11 == 0 ? 0 : 0xff;
    }
    for (const double latitudeDeg : {-89.99999, -33.9, 0.0, 48.1, 78.2, 89.99999}) {
        StationSite site;
        site.LatitudeRad = latitudeDeg * 0.017453292519943295;
        site.LongitudeRad = 0.3;
        const StationDirection station = DirectionOf(site);
        for (const auto& [above, below] : {std::pair{-2.0, 90.0}, std::pair{5.0, 60.0}}) {
            const ElevationScreen screen =
                ScreenFor(static_cast<float>(above * 0.017453292519943295),
                          static_cast<float>(below * 0.017453292519943295), 0.0166);
            std::vector<float> sines(kCount), plainSines(kCount);
            std::vector<std::uint8_t> classes(kCount), plainClasses(kCount);
            ClassifyInstants(x.data(), y.data(), z.data(), mask.data(), kCount, station, screen,
                             sines.data(), classes.data());
            ClassifyInstantsPlain(x.data(), y.data(), z.data(), mask.data(), kCount, station,
                                  screen, plainSines.data(), plainClasses.data());
            EXPECT_EQ(classes, plainClasses) << "latitude " << latitudeDeg << ", " << above;
            EXPECT_EQ(std::memcmp(sines.data(), plainSines.data(), kCount * sizeof(float)), 0);
        }
    }
}

}  // namespace
}  // namespace velmorant
