// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Spatial polarization offset between two stations with linear antennas.

namespace velmorant {

// Angle of one station in whole degrees: Int(Atn(X) * 360 / TwoPi) with
// X = (sin phi cos h - cos A cos phi sin h) / (sin A cos phi), the floor (-0.3 gives -1),
// stored as a Single. azimuth and elevation: the station's Single horizon coordinates in
// radians (evaluated in double); latitude in radians. When sin(azimuth) * cos(latitude) is 0
// the angle is +90, -90 or 0 by the sign of the numerator (not the 89 the floor would give).
// The floor makes it up to one degree low; the Single inputs add nothing visible.
float PolarizationAngle(float azimuth, float elevation, double latitudeRad);

// Home minus DX (whole degrees) folded by half a turn when it is 90 or more either way, into
// [-90, 90]: 90 becomes -90, -90 becomes 90, 120 becomes -60.
float PolarizationOffset(float homeAngle, float dxAngle);

}  // namespace velmorant
