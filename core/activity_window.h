#pragma once

// The activity-window letter of an instant for an IARU region.

namespace velmorant {

// 'A', 'E', 'N' or ' ' for region 1, 2 or 3, from the Moon's Greenwich hour angle and
// geocentric declination (radians). Always ' ' while the declination is negative or for any
// other region.
char ActivityWindowLetter(int region, double greenwichHourAngle, double declination);

}  // namespace velmorant
