// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/model/hamlib_fault.h"
#include "ui/model/rotator_move.h"

// What the real-time window shows of the rotator, in the words the window and the headless
// command use; the reasons a conversation fails are in hamlib_fault.h.

namespace velmorant {

// How long after a failed connection the next attempt starts, milliseconds.
inline constexpr int kRotctldRetryMs = 10000;
// How often the rotator's position is asked with `p`, milliseconds.
inline constexpr int kRotctldPollMs = 3000;

// The header band's rotator label.
struct RotatorDisplay {
    std::string Text;      // "ROT 181.3 14.0", "ROT --- ---", or the reason in a few words
    std::string Detail;    // its tooltip: the reason in full, with the address and the retry
    bool Problem = false;  // shown in red
};

// The rotator's reported position: "ROT 181.3 14.0" (degrees, one decimal).
RotatorDisplay RotatorPositionDisplay(RotatorAim reported, const std::string& host, int port);

// Connecting, no position known yet: "ROT --- ---".
RotatorDisplay RotatorWaitingDisplay(const std::string& host, int port);

// A fault: its short words in red, the full sentence and the retry in the tooltip.
RotatorDisplay RotatorFaultDisplay(const HamlibFault& fault, const std::string& host, int port);

// The full sentence: "rotctld at 127.0.0.1:4533: connection refused".
std::string RotatorFaultSentence(const HamlibFault& fault, const std::string& host, int port);

}  // namespace velmorant
