#pragma once

// Spatial polarization offset between two stations with linear antennas.

namespace velmorant {

// Angle of one station in whole degrees (floor of the exact value), stored as a Single.
// azimuth and elevation: the station's Single horizon coordinates in radians; latitude in
// radians. When sin(azimuth) * cos(latitude) is 0 the angle is +90, -90 or 0 by the sign of
// the numerator.
float PolarizationAngle(float azimuth, float elevation, double latitudeRad);

// Home minus DX folded into [-90, 90] whole degrees.
float PolarizationOffset(float homeAngle, float dxAngle);

}  // namespace velmorant
