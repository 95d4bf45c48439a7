// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tracker/tune_radio.h"

#include <QTcpSocket>

#include "app/tracker/hamlib_exchange.h"

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
    RadioFrequencies reported;
    for (const RigctldRequest& request : ReadBackRequests(split)) {
        if (request.Command == RigctldCommand::GetPtt) {
            continue;  // one tuning asked for goes out whether the radio transmits or not
        }
        const auto answer = Exchange(socket, conversation, request, timeoutMs);
        if (const auto* fault = std::get_if<HamlibFault>(&answer)) {
            return problem(*fault);
        }
        const RigctldAnswer& read = std::get<RigctldAnswer>(answer);
        if (request.Command == RigctldCommand::GetFrequency) {
            // With one VFO the radio also transmits where it receives.
            reported.ReceiveHz = reported.TransmitHz = read.FrequencyHz.value_or(0);
        } else if (request.Command == RigctldCommand::GetSplitFrequency) {
            reported.TransmitHz = read.FrequencyHz.value_or(0);
        }
    }
    socket.disconnectFromHost();
    return TuneOnceResult{reported, {}};
}

}  // namespace velmorant
