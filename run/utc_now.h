// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "run/clock.h"

namespace velmorant {

// The current UTC minute of a real-time pass.
struct UtcInstant {
    int Year = 0, Month = 0, Day = 0;  // the UTC date
    int Hour = 0, Minute = 0, Second = 0;
    float UtcHHMM = 0;     // hhmm, seconds dropped (1345 is 13:45)
    std::string UtcClock;  // "HH:MM:SS"
};

// The instant of a UTC date and clock time (a valid date, hour 0..23, minute and second 0..59).
UtcInstant UtcInstantOf(int year, int month, int day, int hour, int minute, int second);

// The local clock that UtcNow turns into this UTC instant with the hour difference (hours,
// computer clock minus UTC, rounded to whole minutes as UtcNow rounds it). The offset the
// system knows is left unset.
LocalDateTime LocalFromUtc(const UtcInstant& utc, float timeDifHours);

// UTC from the local clock and the hour difference (hours, computer clock minus UTC, rounded to
// whole minutes with ties to even); the date rolls over across midnight as on a calendar.
UtcInstant UtcNow(const LocalDateTime& local, float timeDifHours);

}  // namespace velmorant
