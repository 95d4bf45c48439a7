// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/model/rotator/hamlib_fault.h"
#include "ui/model/wsjtx/wsjtx_activity.h"
#include "ui/model/wsjtx/wsjtx_settings.h"

// The real-time window's header band while VELMORANT follows WSJT-X: whether WSJT-X is heard,
// and whether it transmits.

namespace velmorant {

// "WSJT-X TX" or "WSJT-X RX" while a Status came within 30 s; in red "WSJT-X: no Status for
// 30 s" (the rotator follows the clock's rule then), "WSJT-X: no Status yet", or "WSJT-X:
// cannot listen" with `listenProblem` (the listener's reason) in the tooltip.
DeviceDisplay WsjtxDisplay(const WsjtxActivity& activity, double utcSeconds,
                           const WsjtxSettings& settings, const std::string& listenProblem);

}  // namespace velmorant
