// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator_status.h"

#include "ui/model/rotator_settings.h"
#include "ui/model/rotctld_protocol.h"

namespace velmorant {

namespace {

std::string Address(const std::string& host, int port) {
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

}  // namespace

RotatorDisplay RotatorPositionDisplay(RotatorAim reported, const std::string& host, int port) {
    return {"ROT " + FixedText(reported.AzimuthDeg, 1) + " " + FixedText(reported.ElevationDeg, 1),
            "Rotator position reported by rotctld at " + Address(host, port), false};
}

RotatorDisplay RotatorWaitingDisplay(const std::string& host, int port) {
    return {"ROT --- ---", "Connecting to rotctld at " + Address(host, port), false};
}

std::string RotatorFaultWords(const RotatorFault& fault) {
    switch (fault.Kind) {
        case RotatorFaultKind::Refused:
            return "connection refused";
        case RotatorFaultKind::HostNotFound:
            return "host not found";
        case RotatorFaultKind::NoAnswer:
            return "no answer in " + std::to_string(kRotctldAnswerTimeoutMs / 1000) + " s";
        case RotatorFaultKind::ConnectionLost:
            return "connection lost";
        case RotatorFaultKind::Report:
            return "RPRT " + std::to_string(fault.Report) + " " + HamlibErrorWords(fault.Report);
        case RotatorFaultKind::Garbled:
            return "garbled answer";
        case RotatorFaultKind::Network:
            break;
    }
    return fault.Detail.empty() ? "network error" : fault.Detail;
}

std::string RotatorFaultSentence(const RotatorFault& fault, const std::string& host, int port) {
    std::string sentence = "rotctld at " + Address(host, port) + ": " + RotatorFaultWords(fault);
    if (fault.Kind == RotatorFaultKind::Garbled) {
        sentence += " \"" + fault.Detail + "\"";
    }
    return sentence;
}

RotatorDisplay RotatorFaultDisplay(const RotatorFault& fault, const std::string& host, int port) {
    std::string detail = RotatorFaultSentence(fault, host, port);
    if (fault.Kind != RotatorFaultKind::Report) {
        detail += "; trying again every " + std::to_string(kRotctldRetryMs / 1000) + " s";
    }
    return {RotatorFaultWords(fault), detail, true};
}

}  // namespace velmorant
