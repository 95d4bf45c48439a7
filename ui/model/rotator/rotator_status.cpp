// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator/rotator_status.h"

#include "ui/model/rotator/rotator_settings.h"

namespace velmorant {

DeviceDisplay RotatorPositionDisplay(RotatorAim reported, const std::string& host, int port) {
    return {"ROT " + FixedText(reported.AzimuthDeg, 1) + " " + FixedText(reported.ElevationDeg, 1),
            "Rotator position reported by rotctld at " + HamlibAddressText(host, port), false};
}

DeviceDisplay RotatorWaitingDisplay(const std::string& host, int port) {
    return {"ROT --- ---", "Connecting to rotctld at " + HamlibAddressText(host, port), false};
}

std::string RotatorFaultSentence(const HamlibFault& fault, const std::string& host, int port) {
    return HamlibFaultSentence("rotctld", fault, host, port);
}

DeviceDisplay RotatorFaultDisplay(const HamlibFault& fault, const std::string& host, int port) {
    return HamlibFaultDisplay("rotctld", fault, host, port, kRotctldRetryMs);
}

}  // namespace velmorant
