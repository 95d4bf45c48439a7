// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/dx_screen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "core/common/constants.h"

// The screen's vector code for x86-64 processors with AVX2, chosen when the program starts.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VELMORANT_SCREEN_AVX2 1
#else
#define VELMORANT_SCREEN_AVX2 0
#endif

namespace velmorant {

namespace {

// HorizonPosition keeps stations this far from the poles.
constexpr double kLatitudeLimitRad = 89.9999 * DegToRad;
// The bound on the walk's topocentric elevation against h - p cos h, per radian of parallax:
// the vertical's angle (at most 2 pi * 0.000537677 rad) plus 1 - rho (at most 0.00336).
constexpr double kParallaxModelBound = 0.0068;
// Single roundings of the elevation and its limits, radians (a few 1e-7 rad) with room to spare.
constexpr double kElevationRoundingRad = 5e-5;
// The Single dot product and the walk's Single sine of the elevation differ by less than 1e-6;
// the screen's own Single roundings of its bounds add a few 1e-8.
constexpr double kSineRounding = 3e-6;
// Sines beyond this (within about 0.26 degree of the zenith or nadir) are always decided by the
// walk: there the walk's Single cosine may vanish, and it keeps the view of an earlier instant.
constexpr float kNearZenithSine = 1.0f - 1e-5f;

// The geocentric elevation h whose h - p cos h is y, clamped to [-pi/2, pi/2]. h - p cos h
// rises monotonically (p < 1); Newton's method from y + p cos y converges to 1e-15 rad in four
// steps for p < 0.02.
double GeocentricElevationFor(double y, double p) {
    if (y <= -Pi / 2) {
        return -Pi / 2;
    }
    if (y >= Pi / 2) {
        return Pi / 2;
    }
    double h = y + p * std::cos(y);
    for (int i = 0; i < 6; ++i) {
        h -= (h - p * std::cos(h) - y) / (1 + p * std::sin(h));
    }
    return std::clamp(h, -Pi / 2, Pi / 2);
}

// The sine of that elevation moved outward by the sine's rounding; +/-2 beyond the poles of
// the range (nothing lies beyond them).
float SineBound(double y, double p, double sineShift) {
    if (y <= -Pi / 2) {
        return sineShift < 0 ? -2.0f : static_cast<float>(-1 + sineShift);
    }
    if (y >= Pi / 2) {
        return sineShift > 0 ? 2.0f : static_cast<float>(1 + sineShift);
    }
    return static_cast<float>(std::sin(GeocentricElevationFor(y, p)) + sineShift);
}

}  // namespace

StationDirection DirectionOf(const StationSite& site) {
    const double phi = std::clamp(site.LatitudeRad, -kLatitudeLimitRad, kLatitudeLimitRad);
    const double cosPhi = std::cos(phi);
    return StationDirection{static_cast<float>(cosPhi * std::cos(site.LongitudeRad)),
                            static_cast<float>(cosPhi * std::sin(site.LongitudeRad)),
                            static_cast<float>(std::sin(phi))};
}

ElevationScreen ScreenFor(float aboveRad, float belowRad, double parallaxRad) {
    const double margin = kParallaxModelBound * parallaxRad + kElevationRoundingRad;
    const double above = aboveRad;
    const double below = belowRad;
    ElevationScreen screen;
    screen.FailLow = SineBound(above - margin, parallaxRad, -kSineRounding);
    screen.FailHigh = SineBound(below + margin, parallaxRad, kSineRounding);
    screen.PassLow = SineBound(above + margin, parallaxRad, kSineRounding);
    screen.PassHigh = SineBound(below - margin, parallaxRad, -kSineRounding);
    return screen;
}

void ClassifyInstantsPlain(const float* x, const float* y, const float* z,
                           const std::uint8_t* homeMask, std::size_t count,
                           StationDirection station, const ElevationScreen& screen, float* sines,
                           std::uint8_t* classes) {
    // Written branch-free, with bitwise operators, so that the compiler turns it into vector
    // code (see run/CMakeLists.txt). Each range test is one comparison of the distance from its
    // middle; the rounding of the middle and half-width (a few 1e-8) lies within kSineRounding.
    const float sx = station.X, sy = station.Y, sz = station.Z;
    const float possibleMiddle = 0.5f * (screen.FailLow + screen.FailHigh);
    const float possibleHalf = 0.5f * (screen.FailHigh - screen.FailLow);
    const float certainMiddle = 0.5f * (screen.PassLow + screen.PassHigh);
    const float certainHalf = 0.5f * (screen.PassHigh - screen.PassLow);
    for (std::size_t i = 0; i < count; ++i) {
        const float s = sx * x[i] + sy * y[i] + sz * z[i];
        sines[i] = s;
        const int nearPole = static_cast<int>(std::fabs(s) >= kNearZenithSine);
        const int possible =
            static_cast<int>(std::fabs(s - possibleMiddle) <= possibleHalf) | nearPole;
        const int certain =
            static_cast<int>(std::fabs(s - certainMiddle) <= certainHalf) & (nearPole ^ 1);
        classes[i] = static_cast<std::uint8_t>((possible + (certain & possible)) & homeMask[i]);
    }
}

#if VELMORANT_SCREEN_AVX2
namespace {

// Byte b of kSpread[m] is bit b of m: the eight comparisons of a vector as eight bytes.
constexpr std::array<std::uint64_t, 256> kSpread = [] {
    std::array<std::uint64_t, 256> table{};
    for (std::size_t m = 0; m < table.size(); ++m) {
        for (std::size_t b = 0; b < 8; ++b) {
            if (((m >> b) & 1) != 0) {
                table[m] |= std::uint64_t{1} << (8 * b);
            }
        }
    }
    return table;
}();

// ClassifyInstantsPlain eight instants at a time with AVX2, the same operations in the same
// order (the sines to the bit): the comparisons leave the vector as bit masks, which a table
// spreads into the class bytes (the compiler's own vector code spent a third of the loop
// narrowing 32-bit lanes to bytes). x86 is little-endian: byte b of a word is instant i + b.
__attribute__((target("avx2"))) void ClassifyInstantsAvx2(
    const float* x, const float* y, const float* z, const std::uint8_t* homeMask, std::size_t count,
    StationDirection station, const ElevationScreen& screen, float* sines, std::uint8_t* classes) {
    const __m256 sx = _mm256_set1_ps(station.X);
    const __m256 sy = _mm256_set1_ps(station.Y);
    const __m256 sz = _mm256_set1_ps(station.Z);
    const __m256 possibleMiddle = _mm256_set1_ps(0.5f * (screen.FailLow + screen.FailHigh));
    const __m256 possibleHalf = _mm256_set1_ps(0.5f * (screen.FailHigh - screen.FailLow));
    const __m256 certainMiddle = _mm256_set1_ps(0.5f * (screen.PassLow + screen.PassHigh));
    const __m256 certainHalf = _mm256_set1_ps(0.5f * (screen.PassHigh - screen.PassLow));
    const __m256 nearZenith = _mm256_set1_ps(kNearZenithSine);
    const __m256 magnitude = _mm256_castsi256_ps(_mm256_set1_epi32(0x7fffffff));
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256 s = _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(sx, _mm256_loadu_ps(x + i)),
                                                     _mm256_mul_ps(sy, _mm256_loadu_ps(y + i))),
                                       _mm256_mul_ps(sz, _mm256_loadu_ps(z + i)));
        _mm256_storeu_ps(sines + i, s);
        const __m256 nearPole = _mm256_cmp_ps(_mm256_and_ps(s, magnitude), nearZenith, _CMP_GE_OQ);
        const __m256 possible =
            _mm256_or_ps(_mm256_cmp_ps(_mm256_and_ps(_mm256_sub_ps(s, possibleMiddle), magnitude),
                                       possibleHalf, _CMP_LE_OQ),
                         nearPole);
        const __m256 certain = _mm256_andnot_ps(
            nearPole, _mm256_cmp_ps(_mm256_and_ps(_mm256_sub_ps(s, certainMiddle), magnitude),
                                    certainHalf, _CMP_LE_OQ));
        const auto p = static_cast<unsigned>(_mm256_movemask_ps(possible));
        const auto q = static_cast<unsigned>(_mm256_movemask_ps(_mm256_and_ps(certain, possible)));
        std::uint64_t mask;
        std::memcpy(&mask, homeMask + i, sizeof mask);
        const std::uint64_t cls = (kSpread[p] + kSpread[q]) & mask;
        std::memcpy(classes + i, &cls, sizeof cls);
    }
    ClassifyInstantsPlain(x + i, y + i, z + i, homeMask + i, count - i, station, screen, sines + i,
                          classes + i);
}

}  // namespace
#endif

void ClassifyInstants(const float* x, const float* y, const float* z, const std::uint8_t* homeMask,
                      std::size_t count, StationDirection station, const ElevationScreen& screen,
                      float* sines, std::uint8_t* classes) {
#if VELMORANT_SCREEN_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
    if (avx2) {
        ClassifyInstantsAvx2(x, y, z, homeMask, count, station, screen, sines, classes);
        return;
    }
#endif
    ClassifyInstantsPlain(x, y, z, homeMask, count, station, screen, sines, classes);
}

// Clones are chosen by the ELF loader (an ifunc); a Windows build keeps the default one.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)
__attribute__((target_clones("avx2", "default")))
#endif
std::size_t
HighestSine(const float* sines, std::size_t count) {
    // Block by block, the first block holding the highest sine (a later block must exceed it),
    // then the first index from that block on that holds it: the index is searched within one
    // block, not along the run up to the peak. A block's maximum is taken in eight lanes side
    // by side (vector code), then across the lanes.
    constexpr std::size_t kBlock = 64;
    float highest = -2;
    std::size_t block = 0;
    for (std::size_t from = 0; from < count; from += kBlock) {
        const std::size_t end = std::min(count, from + kBlock);
        float lanes[8] = {-2, -2, -2, -2, -2, -2, -2, -2};
        std::size_t i = from;
        for (; i + 8 <= end; i += 8) {
            for (std::size_t l = 0; l < 8; ++l) {
                lanes[l] = sines[i + l] > lanes[l] ? sines[i + l] : lanes[l];
            }
        }
        float blockHighest = -2;
        for (const float lane : lanes) {
            blockHighest = lane > blockHighest ? lane : blockHighest;
        }
        for (; i < end; ++i) {
            blockHighest = sines[i] > blockHighest ? sines[i] : blockHighest;
        }
        if (blockHighest > highest) {
            highest = blockHighest;
            block = from;
        }
    }
    std::size_t at = block;
    while (sines[at] != highest) {
        ++at;
    }
    return at;
}

}  // namespace velmorant
