// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "run/run_message.h"
#include "run/window_inputs.h"

// The ranges of the numbers a run takes from the window. The boxes are read leniently (a text
// without a number reads as 0), so a typo can turn into a year 0 or a latitude of 999; a value
// outside its range is refused here, before anything is computed or written, with a message
// that names the box.

namespace velmorant {

// The years a run may cover. The day numbers are exact from 1900-03-01 to 2100-02-28 (every
// fourth year a leap year) and one day off in the two months at either end.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2100;

// The first value of the snapshot that lies outside its range (or is not finite), in the
// window's order, as an "Input Required" message naming the box; nothing when every value the
// run will use is in range. Only the values the chosen mode uses are checked: the dates, the
// increment, paging and the filters in Planning (also when no mode is chosen), the clock
// difference in Real-Time, the right ascension and declination for objects other than the
// Moon, the stations and the receiver noise always.
//
// Ranges: years whole numbers 1900 to 2100; month and day chosen from their lists; latitude
// degrees -90 to 90, longitude degrees -180 to 180, minutes and seconds -60 to 60, and the
// combined latitude within 90 S to 90 N and longitude within 180 W to 180 E (a typed minus
// combines with the direction letter, so both signs are allowed in each part); elevation
// limits -90 to 90 degrees; right ascension 0 to 24 hours and 0 to 60 minutes; declination -90
// to 90 degrees; increment 1 to 1440 minutes; lines per page 0 to 32767; receiver noise 1 to
// 100000 K; band 1 to 1000000 MHz; clock difference -24 to 24 hours; azimuth window 0 to 360
// degrees; time window 0000 to 2400; maximum degradation 0 dB or more.
std::optional<RunMessage> InputRangeRefusal(const WindowInputs& inputs);

}  // namespace velmorant
