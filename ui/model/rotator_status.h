// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/model/rotator_move.h"

// What the real-time window shows of the rotator, and the reasons a conversation with rotctld
// fails, in the words the window and the headless command use.

namespace velmorant {

enum class RotatorFaultKind {
    Refused,         // nothing listens at the address
    HostNotFound,    // the host name does not resolve
    NoAnswer,        // connected, or connecting, but no answer within the timeout
    ConnectionLost,  // rotctld closed the connection (it ended, or was restarted)
    Report,          // rotctld answered "RPRT n" with n < 0
    Garbled,         // a line that is not rotctld's
    Network          // any other failure of the connection
};

struct RotatorFault {
    RotatorFaultKind Kind = RotatorFaultKind::Network;
    int Report = 0;      // Report: the Hamlib error code
    std::string Detail;  // Garbled: the line; Network: the system's words
};

// How long a command may wait for its answer, and a connection for its end, in milliseconds.
inline constexpr int kRotctldAnswerTimeoutMs = 5000;
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
RotatorDisplay RotatorFaultDisplay(const RotatorFault& fault, const std::string& host, int port);

// The few words of a fault: "connection refused", "no answer in 5 s", "RPRT -1 invalid
// parameter".
std::string RotatorFaultWords(const RotatorFault& fault);

// The full sentence: "rotctld at 127.0.0.1:4533: connection refused".
std::string RotatorFaultSentence(const RotatorFault& fault, const std::string& host, int port);

}  // namespace velmorant
