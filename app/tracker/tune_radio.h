// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "run/realtime/doppler_tuning.h"
#include "ui/model/radio/radio_tuning.h"

namespace velmorant {

// One tuning of a radio through rigctld, waiting for it (headless use only: the window never
// waits on the network): connect, send the tuning's commands for the split (TuningRequests),
// each answered "RPRT 0", then read the frequencies back (`f`, and `i` with Radio split). Each
// step is given `timeoutMs` milliseconds.
struct TuneOnceResult {
    // What the radio reports, hertz: its receive frequency (`f`) and its transmit frequency
    // (`i` with Radio split; with None the one VFO's `f`, where it also transmits).
    std::optional<RadioFrequencies> Reported;
    std::string Problem;  // otherwise the reason, naming rigctld's address
};
TuneOnceResult TuneRadioOnce(const std::string& host, int port, const RadioFrequencies& frequencies,
                             RadioSplit split, int timeoutMs);

}  // namespace velmorant
