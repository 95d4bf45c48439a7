// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "core/ephemeris/doppler.h"
#include "core/series/moon.h"

// What the real-time display keeps from one pass to the next: the values of a pass that change
// slowly, computed again only when the pass's instant leaves the span they serve. A pass with a
// fresh cache computes everything at its own instant, as a single frame (`velmorant track`) does.

namespace velmorant {

// The values of one UTC date: the Moon's noon distances after the warm-up over the 13 dates
// before it, and the Sun's right ascension at 0h (radians). They depend on the date alone.
struct RealTimeDateValues {
    float DayNumber = 0;
    MoonDistanceState Distance;
    double SunRightAscensionAt0h = 0;
};

class RealTimeCache {
  public:
    // The values of the date with this day number (integer-valued), computed again for another
    // date; the same to the last bit as computed afresh.
    const RealTimeDateValues& DateValues(float dayNumber);

    // The Doppler frame for the UTC instant. A frame serves the UTC minute of the instant it was
    // computed at; a pass in any other minute (the next one, or any other after the clock was
    // set back or forward, or another date) computes it again at its own instant. So the frame
    // is at most 59 s (60 in a leap second) from the instant it serves, well inside the minute
    // DopplerFrame allows, and the first pass of each minute has the shifts MoonDoppler gives
    // without a frame, to the last bit.
    const DopplerFrame& DopplerFrameFor(const UtcDateTime& utc);

  private:
    std::optional<RealTimeDateValues> date_;
    std::optional<std::array<int, 5>> frameMinute_;  // year, month, day, hour, minute
    DopplerFrame frame_;
};

}  // namespace velmorant
