// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <functional>
#include <optional>

#include "run/realtime/real_time_pass.h"
#include "ui/model/radio_link.h"
#include "ui/model/radio_settings.h"

namespace velmorant {

// What the loop shows each second: the pass, what the radio reported last (none before its
// first report) and the sky frequency tracking follows (it moves when the operator tunes).
struct FollowedSecond {
    const RealTimePassResult& Pass;
    std::optional<RadioReport> Reported;
    std::optional<double> SkyFrequencyHz;
};

// Follows the Moon second by second until SIGINT or SIGTERM, tuning the radio behind rigctld as
// the real-time window does (RadioControl over the window's own rigctld client: the radio read
// first, tuned when the step rule says, the operator's dial taken as a new sky frequency, faults
// retried). `passAt` makes the pass of a second (seconds since 1970 UTC), or none to end with
// status 2 (it has said why); `show` prints it. The seconds start at `firstSecond` (none: the
// system's clock) and advance with the clock. Faults of rigctld go to standard error as they
// change. At the signal the radio is left as STOP leaves it, and the loop returns 0.
int FollowRadio(std::optional<std::time_t> firstSecond, const RadioSettings& radio,
                const std::function<std::optional<RealTimePassResult>(std::time_t)>& passAt,
                const std::function<void(const FollowedSecond&)>& show);

}  // namespace velmorant
