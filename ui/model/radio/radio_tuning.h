// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "run/realtime/doppler_tuning.h"
#include "ui/model/radio/rigctld_protocol.h"

// How the radio is put on its Doppler-corrected frequencies through rigctld: which commands a
// tuning sends for the operator's way of splitting, how the frequencies are read back, and when
// a new tuning is worth sending.

namespace velmorant {

// How the radio receives and transmits on two frequencies.
enum class RadioSplit {
    Radio,  // the radio's own split: receive on the current VFO (F), transmit on VFO B (S, I)
    None    // one VFO: the receive frequency is set while receiving, the transmit one not at all
};

// The commands that put the radio on these frequencies (hertz, sent in whole hertz): with
// Radio split `F` receive, `S 1 VFOB`, `I` transmit; with None only `F` receive (many radios
// cannot retune while they transmit, so one VFO follows the receive frequency).
std::vector<RigctldRequest> TuningRequests(const RadioFrequencies& frequencies, RadioSplit split);

// The questions that read the radio's frequencies back: `f`, and `i` with Radio split; with
// None `t`, since one VFO is retuned only while the radio receives.
std::vector<RigctldRequest> ReadBackRequests(RadioSplit split);

// The smallest change of a frequency worth sending by default, hertz.
inline constexpr double kDefaultTuningStepHz = 1;

// The step rule's memory between passes: what was last sent and in which UTC second.
class RadioTuningPlan {
  public:
    // The frequencies this pass sends, or none: at most one tuning in any UTC second (`utcSecond`
    // counts seconds, day number * 86400 + second of the day), and only when nothing was sent
    // yet or a frequency the split sends (the receive one; with Radio split also the transmit
    // one) has moved by stepHz (hertz) or more since the last tuning. A tuning that could not be
    // sent (Sent not called) is due again at the next pass.
    std::optional<RadioFrequencies> Due(const RadioFrequencies& wanted, RadioSplit split,
                                        double stepHz, long long utcSecond) const;

    // The frequencies of the last tuning that went out, if any since Forget.
    const std::optional<RadioFrequencies>& LastSent() const { return lastSent_; }

    // The tuning went out.
    void Sent(const RadioFrequencies& sent, long long utcSecond);

    // A new display or a new connection to rigctld (the daemon may have restarted, the radio
    // been retuned): the next tuning goes out whatever was sent before.
    void Forget();

  private:
    std::optional<RadioFrequencies> lastSent_;
    long long sentSecond_ = 0;
};

}  // namespace velmorant
