// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace velmorant {

// The computer's local date and time, to the second.
struct LocalDateTime {
    int Year = 2000;
    int Month = 1;   // 1..12
    int Day = 1;     // 1..31
    int Hour = 0;    // 0..23
    int Minute = 0;  // 0..59
    int Second = 0;  // 0..59
};

// Where a run reads the current time from; tests pass a fixed clock.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    // The computer's own offset from UTC now (local time minus UTC), minutes, from the time
    // zone the system knows; none when the clock cannot tell.
    virtual std::optional<int> UtcOffsetMinutes() const { return std::nullopt; }
};

}  // namespace velmorant
