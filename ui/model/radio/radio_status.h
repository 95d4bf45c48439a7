// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/model/radio/radio_link.h"
#include "ui/model/rotator/hamlib_fault.h"

// What the real-time window shows of the radio, in the words the window uses.

namespace velmorant {

// How long after a failed connection to rigctld the next attempt starts, milliseconds.
inline constexpr int kRigctldRetryMs = 10000;

// Hertz as VELMORANT.INI keeps them and the tracker prints them: "10224000000", "144100000.5"
// (to a millihertz, never in exponent form).
std::string HertzText(double hz);

// The frequencies the radio reports, MHz to the hertz: "RX 144.099234 TX 144.100766" with the
// radio's own split, "VFO 144.099234" with one VFO ("VFO 144.099234 TX" while it transmits).
DeviceDisplay RadioReportDisplay(const RadioReport& report, RadioSplit split,
                                 const std::string& host, int port);

// Connecting, nothing reported yet: "RIG ---".
DeviceDisplay RadioWaitingDisplay(const std::string& host, int port);

// A fault: its short words in red, "rigctld at HOST:PORT: ..." and the retry in the tooltip.
DeviceDisplay RadioFaultDisplay(const HamlibFault& fault, const std::string& host, int port);

}  // namespace velmorant
