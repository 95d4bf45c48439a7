// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/model/rotator/hamlib_fault.h"
#include "ui/model/rotator/rotator_move.h"

// What the real-time window shows of the rotator, in the words the window and the headless
// command use; the reasons a conversation fails are in hamlib_fault.h.

namespace velmorant {

// How long after a failed connection the next attempt starts, milliseconds.
inline constexpr int kRotctldRetryMs = 10000;
// How often the rotator's position is asked with `p`, milliseconds.
inline constexpr int kRotctldPollMs = 3000;

// The rotator's reported position: "ROT 181.3 14.0" (degrees, one decimal).
DeviceDisplay RotatorPositionDisplay(RotatorAim reported, const std::string& host, int port);

// Connecting, no position known yet: "ROT --- ---".
DeviceDisplay RotatorWaitingDisplay(const std::string& host, int port);

// A fault: its short words in red, the full sentence and the retry in the tooltip.
DeviceDisplay RotatorFaultDisplay(const HamlibFault& fault, const std::string& host, int port);

// The full sentence: "rotctld at 127.0.0.1:4533: connection refused".
std::string RotatorFaultSentence(const HamlibFault& fault, const std::string& host, int port);

}  // namespace velmorant
