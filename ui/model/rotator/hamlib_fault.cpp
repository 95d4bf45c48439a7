// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator/hamlib_fault.h"

#include "ui/model/rotator/hamlib_lines.h"

namespace velmorant {

std::string HamlibAddressText(const std::string& host, int port) {
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::string HamlibFaultWords(const HamlibFault& fault) {
    switch (fault.Kind) {
        case HamlibFaultKind::Refused:
            return "connection refused";
        case HamlibFaultKind::HostNotFound:
            return "host not found";
        case HamlibFaultKind::NoAnswer:
            return "no answer in " + std::to_string(kHamlibAnswerTimeoutMs / 1000) + " s";
        case HamlibFaultKind::ConnectionLost:
            return "connection lost";
        case HamlibFaultKind::Report:
            return "RPRT " + std::to_string(fault.Report) + " " + HamlibErrorWords(fault.Report);
        case HamlibFaultKind::Garbled:
            return "garbled answer";
        case HamlibFaultKind::Network:
            break;
    }
    return fault.Detail.empty() ? "network error" : fault.Detail;
}

std::string HamlibFaultSentence(std::string_view daemon, const HamlibFault& fault,
                                const std::string& host, int port) {
    std::string sentence = std::string(daemon) + " at " + HamlibAddressText(host, port) + ": " +
                           HamlibFaultWords(fault);
    if (fault.Kind == HamlibFaultKind::Garbled) {
        sentence += " \"" + fault.Detail + "\"";
    }
    return sentence;
}

DeviceDisplay HamlibFaultDisplay(std::string_view daemon, const HamlibFault& fault,
                                 const std::string& host, int port, int retryMs) {
    std::string detail = HamlibFaultSentence(daemon, fault, host, port);
    if (fault.Kind != HamlibFaultKind::Report) {
        detail += "; trying again every " + std::to_string(retryMs / 1000) + " s";
    }
    return {HamlibFaultWords(fault), detail, true};
}

}  // namespace velmorant
