#include "run/planning/dx_screen.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"

namespace velmorant {

namespace {

// HorizonPosition keeps stations this far from the poles.
constexpr double kLatitudeLimitRad = 89.9999 * DegToRad;
// The bound on the walk's topocentric elevation against h - p cos h, per radian of parallax:
// the vertical's angle (at most 2 pi * 0.000537677 rad) plus 1 - rho (at most 0.00336).
constexpr double kParallaxModelBound = 0.0068;
// Single roundings of the elevation and its limits, radians (a few 1e-7 rad) with room to spare.
constexpr double kElevationRoundingRad = 5e-5;
// The Single dot product and the walk's Single sine of the elevation differ by less than this.
constexpr double kSineRounding = 2e-6;
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

void ClassifyInstants(const float* x, const float* y, const float* z, const std::uint8_t* homeMask,
                      std::size_t count, StationDirection station, const ElevationScreen& screen,
                      float* sines, std::uint8_t* classes) {
    // Written branch-free in blocks of eight so that the compiler turns it into vector code.
    for (std::size_t block = 0; block < count; block += 8) {
        for (std::size_t i = block; i < block + 8; ++i) {
            const float s = station.X * x[i] + station.Y * y[i] + station.Z * z[i];
            sines[i] = s;
            const bool nearPole = s >= kNearZenithSine || s <= -kNearZenithSine;
            const bool possible = (s >= screen.FailLow && s <= screen.FailHigh) || nearPole;
            const bool certain = s >= screen.PassLow && s <= screen.PassHigh && !nearPole;
            const auto cls = static_cast<std::uint8_t>(static_cast<int>(possible) +
                                                       static_cast<int>(certain && possible));
            classes[i] = static_cast<std::uint8_t>(cls & homeMask[i]);
        }
    }
}

}  // namespace velmorant
