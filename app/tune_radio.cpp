// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tune_radio.h"

#include <QTcpSocket>

#include "app/hamlib_exchange.h"

namespace velmorant {

TuneOnceResult TuneRadioOnce(const std::string& host, int port, const RadioFrequencies& frequencies,
                             RadioSplit split, int timeoutMs) {
    const auto problem = [&](const HamlibFault& fault) {
        return TuneOnceResult{std::nullopt, HamlibFaultSentence("rigctld", fault, host, port)};
    };
    const auto application = HeadlessApplication();
    QTcpSocket socket;
    if (const auto fault = ConnectWithin(socket, host, port, timeoutMs)) {
        return problem(*fault);
    }
    RigctldConversation conversation;
    for (const RigctldRequest& request : TuningRequests(frequencies, split)) {
        const auto answer = Exchange(socket, conversation, request, timeoutMs);
        if (const auto* fault = std::get_if<HamlibFault>(&answer)) {
            return problem(*fault);
        }
    }
    std::vector<double> reported;
    for (const RigctldRequest& request : ReadBackRequests(split)) {
        const auto answer = Exchange(socket, conversation, request, timeoutMs);
        if (const auto* fault = std::get_if<HamlibFault>(&answer)) {
            return problem(*fault);
        }
        reported.push_back(std::get<RigctldAnswer>(answer).FrequencyHz.value_or(0));
    }
    socket.disconnectFromHost();
    return TuneOnceResult{RadioFrequencies{reported.front(), reported.back()}, {}};
}

}  // namespace velmorant
