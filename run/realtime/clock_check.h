// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// The clock check of the real-time display: the hours the operator typed (computer clock minus
// UTC) against the offset the computer itself knows from its time zone.

namespace velmorant {

// "Clock offset N h typed, this computer is M h" when the typed hours (rounded to whole minutes
// with ties to even, as the UTC of a pass takes them) differ from the computer's offset from
// UTC (minutes, local minus UTC); empty when they agree or the computer's offset is unknown.
// N and M are hours with up to two decimals and no trailing zeros ("-5", "5.5", "5.75").
std::string ClockCheckText(float typedTimeDifHours, std::optional<int> systemOffsetMinutes);

}  // namespace velmorant
