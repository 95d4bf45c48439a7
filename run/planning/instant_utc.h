// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/calendar.h"
#include "core/ephemeris/ephemeris_instant.h"

namespace velmorant {

// The UTC instant the planning walk computed: the date walked and the instant's fraction of its
// day (the day's last instant, 24:00, is the next date's midnight).
UtcDateTime InstantUtc(const CalendarDate& date, double dayFraction);

}  // namespace velmorant
