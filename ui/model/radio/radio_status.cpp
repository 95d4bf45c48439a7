// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/radio/radio_status.h"

#include "ui/model/rotator/rotator_settings.h"

namespace velmorant {

namespace {

// Megahertz with six decimals: every hertz shows.
std::string Megahertz(double hz) {
    return FixedText(hz / 1e6, 6);
}

}  // namespace

std::string HertzText(double hz) {
    std::string text = FixedText(hz, 3);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

DeviceDisplay RadioReportDisplay(const RadioReport& report, RadioSplit split,
                                 const std::string& host, int port) {
    const std::string from = " reported by rigctld at " + HamlibAddressText(host, port);
    if (split == RadioSplit::Radio) {
        return {"RX " + Megahertz(report.VfoHz) + " TX " + Megahertz(report.SplitHz),
                "Receive and transmit frequencies (MHz)" + from, false};
    }
    return {"VFO " + Megahertz(report.VfoHz) + (report.Transmitting ? " TX" : ""),
            "The radio's frequency (MHz)" + from, false};
}

DeviceDisplay RadioWaitingDisplay(const std::string& host, int port) {
    return {"RIG ---", "Connecting to rigctld at " + HamlibAddressText(host, port), false};
}

DeviceDisplay RadioFaultDisplay(const HamlibFault& fault, const std::string& host, int port) {
    return HamlibFaultDisplay("rigctld", fault, host, port, kRigctldRetryMs);
}

}  // namespace velmorant
