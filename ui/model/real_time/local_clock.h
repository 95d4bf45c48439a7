// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>

#include "run/clock.h"

namespace velmorant {

// The computer's own clock in its local time zone.
class LocalClock : public Clock {
  public:
    LocalDateTime Now() const override;
    std::optional<int> UtcOffsetMinutes() const override;

    // The local date and time of an instant (seconds since 1970 UTC), and the system's offset
    // from UTC at that instant (local minus UTC, minutes).
    static LocalDateTime At(std::time_t when);
    static int UtcOffsetMinutesAt(std::time_t when);
};

}  // namespace velmorant
