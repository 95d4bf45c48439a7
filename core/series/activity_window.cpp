// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/activity_window.h"

#include "core/common/constants.h"

namespace velmorant {

namespace {

// A window boundary: the line Dec = Slope * GHA + Offset in the (GHA, Dec) plane, radians.
// The values are used exactly as published with the windows, including the pairs that
// differ only in their last digits.
struct BoundaryLine {
    double Slope;
    double Offset;
};

constexpr BoundaryLine a1{-0.74545, 3.421194};
constexpr BoundaryLine a2{-0.74545, 3.799083};
constexpr BoundaryLine b1{0.8075099, -0.7186963};
constexpr BoundaryLine b2{0.80751, -0.718696};
constexpr BoundaryLine b3{0.80751, -0.7186963};
constexpr BoundaryLine b4{0.80751, -1.128051};
constexpr BoundaryLine c1{-1.3572416, 3.350332};
constexpr BoundaryLine c2{-1.357242, 3.350332};
constexpr BoundaryLine c3{-1.357242, 4.038211};

// Both tests include the line itself.
class WindowPoint {
  public:
    WindowPoint(double gha, double dec) : gha_(gha), dec_(dec) {}
    bool Above(const BoundaryLine& line) const { return dec_ >= line.Slope * gha_ + line.Offset; }
    bool Below(const BoundaryLine& line) const { return dec_ <= line.Slope * gha_ + line.Offset; }

  private:
    double gha_;
    double dec_;
};

}  // namespace

char ActivityWindowLetter(int region, double greenwichHourAngle, double declination) {
    char letter = ' ';
    if (declination < 0) {
        return letter;
    }
    const WindowPoint p(greenwichHourAngle, declination);
    // Each test that holds overwrites the letter: the last one wins.
    switch (region) {
        case 1:
            if (greenwichHourAngle >= Pi) {
                if (p.Above(a1) && p.Below(a2)) {
                    letter = 'A';
                }
                if (p.Above(a2)) {
                    letter = 'E';
                }
            } else {
                if (p.Above(b1)) {
                    letter = 'E';
                }
                if (p.Below(b2) && p.Above(b4)) {
                    letter = 'N';
                }
            }
            break;
        case 2:
            if (p.Below(b3) && p.Above(b4)) {
                letter = 'E';
            }
            if (p.Below(b4) && p.Below(c1)) {
                letter = 'N';
            }
            if (p.Above(c2) && p.Below(c3)) {
                letter = 'A';
            }
            break;
        case 3:
            if (p.Above(c2) && p.Below(c3)) {
                letter = 'N';
            }
            if (p.Above(c3) && p.Below(a1)) {
                letter = 'A';
            }
            if (p.Above(a1) && p.Below(a2)) {
                letter = 'E';
            }
            break;
        default:
            break;
    }
    return letter;
}

}  // namespace velmorant
