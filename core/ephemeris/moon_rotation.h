// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Moon's orientation in space: the IAU Working Group on Cartographic Coordinates and
// Rotational Elements' model of the Moon's north pole (right ascension alpha0, declination
// delta0 in the ICRF) and prime meridian (W), with its thirteen periodic terms E1..E13
// (Archinal et al., "Report of the IAU Working Group on Cartographic Coordinates and Rotational
// Elements: 2009", Celestial Mechanics and Dynamical Astronomy 109, 101-135 (2011), table 2;
// unchanged in the 2015 report). The libration spread takes only its rate: the periodic terms
// move it by a few 1e-9 rad/s, against the 1e-7 to 1e-6 rad/s of a station's libration.

namespace velmorant {

// The pole and prime meridian, radians.
struct MoonOrientation {
    double PoleRightAscensionRad = 0;  // alpha0
    double PoleDeclinationRad = 0;     // delta0
    double PrimeMeridianRad = 0;       // W, reduced to [0, 2 pi)
};

// The orientation at `daysFromJ2000` days of TDB from J2000.0 (JD 2451545.0 TDB; TT serves:
// they part by under 2 ms).
MoonOrientation MoonOrientationAt(double daysFromJ2000);

// The rotation from the celestial frame (ICRF/GCRS axes) to the Moon's body frame, x toward the
// prime meridian (the mean sub-Earth point), z toward the north pole, y toward 90 degrees east:
// Rz(W) Rx(90 deg - delta0) Rz(90 deg + alpha0). body = matrix * celestial.
void MoonBodyMatrix(const MoonOrientation& orientation, double matrix[3][3]);

}  // namespace velmorant
