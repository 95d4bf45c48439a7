// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The reasons a conversation with a Hamlib daemon (rotctld, rigctld) fails, in the words the
// windows and the headless commands use.

namespace velmorant {

enum class HamlibFaultKind {
    Refused,         // nothing listens at the address
    HostNotFound,    // the host name does not resolve
    NoAnswer,        // connected, or connecting, but no answer within the timeout
    ConnectionLost,  // the daemon closed the connection (it ended, or was restarted)
    Report,          // the daemon answered "RPRT n" with n < 0
    Garbled,         // a line that is not the daemon's
    Network          // any other failure of the connection
};

struct HamlibFault {
    HamlibFaultKind Kind = HamlibFaultKind::Network;
    int Report = 0;      // Report: the Hamlib error code
    std::string Detail;  // Garbled: the line; Network: the system's words
};

// How long a command may wait for its answer, and a connection for its end, in milliseconds.
inline constexpr int kHamlibAnswerTimeoutMs = 5000;

// A label of the real-time window's header band for a device behind a Hamlib daemon.
struct DeviceDisplay {
    std::string Text;      // "ROT 181.3 14.0", "ROT --- ---", or the reason in a few words
    std::string Detail;    // its tooltip: the reason in full, with the address and the retry
    bool Problem = false;  // shown in red
};

// A fault as the header band shows it: its short words in red, the full sentence (naming the
// daemon) and, unless the daemon answered with an error, when the link tries again (retryMs
// milliseconds) in the tooltip.
DeviceDisplay HamlibFaultDisplay(std::string_view daemon, const HamlibFault& fault,
                                 const std::string& host, int port, int retryMs);

// The few words of a fault: "connection refused", "no answer in 5 s", "RPRT -1 invalid
// parameter".
std::string HamlibFaultWords(const HamlibFault& fault);

// The full sentence naming the daemon and its address: "rotctld at 127.0.0.1:4533: connection
// refused"; a garbled line follows in quotes.
std::string HamlibFaultSentence(std::string_view daemon, const HamlibFault& fault,
                                const std::string& host, int port);

// HOST:PORT as an operator writes it, an IPv6 address in brackets: "[::1]:4533".
std::string HamlibAddressText(const std::string& host, int port);

}  // namespace velmorant
