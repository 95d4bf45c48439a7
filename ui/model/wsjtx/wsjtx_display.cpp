// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/wsjtx/wsjtx_display.h"

namespace velmorant {

DeviceDisplay WsjtxDisplay(const WsjtxActivity& activity, double utcSeconds,
                           const WsjtxSettings& settings, const std::string& listenProblem) {
    const std::string where = "UDP " + settings.Address + ":" + std::to_string(settings.Port);
    if (!listenProblem.empty()) {
        return {"WSJT-X: cannot listen", listenProblem, true};
    }
    if (activity.Heard(utcSeconds)) {
        return {activity.Transmitting() ? "WSJT-X TX" : "WSJT-X RX",
                "WSJT-X's Status messages arrive on " + where, false};
    }
    const std::string clockRule =
        "; a rotator set to move with WSJT-X follows the clock (the last seconds of each "
        "minute) until one comes.";
    if (activity.EverHeard()) {
        return {"WSJT-X: no Status for 30 s",
                "No Status from WSJT-X on " + where + " for 30 s" + clockRule, true};
    }
    return {"WSJT-X: no Status yet",
            "No Status from WSJT-X on " + where +
                " yet (is its UDP server set to this address "
                "and port?)" +
                clockRule,
            true};
}

}  // namespace velmorant
