// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/radio/radio_tuning.h"

#include <cmath>

namespace velmorant {

std::vector<RigctldRequest> TuningRequests(const RadioFrequencies& frequencies, RadioSplit split) {
    std::vector<RigctldRequest> requests = {{RigctldCommand::SetFrequency, frequencies.ReceiveHz}};
    if (split == RadioSplit::Radio) {
        requests.push_back({RigctldCommand::SetSplitOn, 0});
        requests.push_back({RigctldCommand::SetSplitFrequency, frequencies.TransmitHz});
    }
    return requests;
}

std::vector<RigctldRequest> ReadBackRequests(RadioSplit split) {
    std::vector<RigctldRequest> requests = {{RigctldCommand::GetFrequency, 0}};
    requests.push_back(split == RadioSplit::Radio
                           ? RigctldRequest{RigctldCommand::GetSplitFrequency, 0}
                           : RigctldRequest{RigctldCommand::GetPtt, 0});
    return requests;
}

std::optional<RadioFrequencies> RadioTuningPlan::Due(const RadioFrequencies& wanted,
                                                     RadioSplit split, double stepHz,
                                                     long long utcSecond) const {
    if (!lastSent_) {
        return wanted;
    }
    if (utcSecond == sentSecond_) {
        return std::nullopt;
    }
    const bool receiveMoved = std::abs(wanted.ReceiveHz - lastSent_->ReceiveHz) >= stepHz;
    const bool transmitMoved =
        split == RadioSplit::Radio && std::abs(wanted.TransmitHz - lastSent_->TransmitHz) >= stepHz;
    if (receiveMoved || transmitMoved) {
        return wanted;
    }
    return std::nullopt;
}

void RadioTuningPlan::Sent(const RadioFrequencies& sent, long long utcSecond) {
    lastSent_ = sent;
    sentSecond_ = utcSecond;
}

void RadioTuningPlan::Forget() {
    lastSent_.reset();
}

}  // namespace velmorant
