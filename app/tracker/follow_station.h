// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <functional>
#include <optional>

#include "run/realtime/real_time_pass.h"
#include "ui/model/radio/radio_link.h"
#include "ui/model/radio/radio_settings.h"
#include "ui/model/rotator/rotator_move.h"
#include "ui/model/rotator/rotator_settings.h"
#include "ui/model/wsjtx/wsjtx_settings.h"
#include "ui/qt/wsjtx/wsjtx_messages.h"

namespace velmorant {

// The devices the tracker drives, each as the real-time window drives it; any may be absent.
struct FollowedDevices {
    // The rotator behind rotctld at the settings' address, moved by their rule.
    std::optional<RotatorSettings> Rotator;
    // The radio behind rigctld at the settings' address, tuned for the Moon's Doppler shift.
    std::optional<RadioSettings> Radio;
    // Where WSJT-X's Status messages arrive (its UDP server: an address of this computer or a
    // multicast group, and the port); the rotator's WithWsjtx rule follows them.
    std::optional<WsjtxSettings> Wsjtx;
};

// What the loop shows each second: the pass, what the radio reported last and the sky frequency
// tracking follows (it moves when the operator tunes), where the rotator said it stands last;
// none for a device not driven or not heard from yet.
struct FollowedSecond {
    const RealTimePassResult& Pass;
    std::optional<RadioReport> Reported;
    std::optional<double> SkyFrequencyHz;
    std::optional<RotatorAim> RotatorPosition;
};

// Follows the Moon second by second until SIGINT or SIGTERM, driving the devices as the real-time
// window does: RotatorControl over the window's rotctld client, RadioControl over its rigctld
// client (the radio read first, tuned when the step rule says, the operator's dial taken as a new
// sky frequency), faults retried. Each WSJT-X Status is taken into the rotator's view of WSJT-X's
// periods, then handed to `statusArrived` between two seconds; at each second the Status messages
// come since the last are committed before the rotator's pass. `passAt` makes the pass of a
// second (seconds since 1970 UTC), or none to end with status 2 (it has said why); `show` prints
// it. The seconds start at `firstSecond` (none: the system's clock) and advance with the clock.
// Each fault of rotctld or rigctld goes to standard error once, as it begins. At the signal the
// rotator is stopped (`S`) and the radio left as STOP leaves it, and the loop returns 0; a
// WSJT-X address that cannot be listened on ends it at once with the reason and status 2.
int FollowStation(std::optional<std::time_t> firstSecond, const FollowedDevices& devices,
                  const std::function<std::optional<RealTimePassResult>(std::time_t)>& passAt,
                  const std::function<void(const WsjtxStatus&)>& statusArrived,
                  const std::function<void(const FollowedSecond&)>& show);

}  // namespace velmorant
