// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The activity-window letter of an instant for an IARU region.

namespace velmorant {

// 'A', 'E', 'N' or ' ' for IARU region 1, 2 or 3, from the Moon's Greenwich hour angle
// (radians, [0, TwoPi]) and geocentric declination (radians). The windows are bounded by
// straight lines in the (GHA, dec) plane; a point on a line counts on both sides, and when
// several windows hold, the one tested last wins. Always ' ' while the declination is negative
// or for any other region. Exact for its inputs; near a border the few arc minutes of the
// Moon's position decide.
char ActivityWindowLetter(int region, double greenwichHourAngle, double declination);

}  // namespace velmorant
