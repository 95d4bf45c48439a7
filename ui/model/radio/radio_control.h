// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "run/realtime/real_time_pass.h"
#include "ui/model/radio/radio_link.h"
#include "ui/model/radio/radio_settings.h"

// The radio during a real-time display of the Moon: at every pass, while the operator has the
// radio enabled, keep the link to rigctld open, read the radio's frequencies, and then tune it
// for the Moon's Doppler shift of the pass's second at the sky frequency when the step rule says.
// Reading first means a turn of the dial since the last pass is seen before a tuning could
// overwrite it: the operator has moved the sky frequency, and tracking goes on from there. At
// STOP the radio is left on the sky frequency without correction and the link closes.

namespace velmorant {

class RadioControl {
  public:
    // One pass of the display. Nothing is tuned for an object other than the Moon, nor in Full
    // Doppler to DX while no DX station is displayed.
    void Pass(const RadioSettings& settings, const RealTimePassResult& pass, RadioLink& link);

    // STOP: the radio put on the sky frequency minus the offset, then the link closed, when
    // this display had opened it.
    void Stop(RadioLink& link);

    // The sky frequency tracking follows, hertz: the settings' until the operator tunes the
    // radio; none before the first pass of a display.
    std::optional<double> SkyFrequencyHz() const;

    // The operator's turns of the dial taken since the display started.
    int OperatorTunings() const { return operatorTunings_; }

  private:
    // What the latest pass found, kept until the radio's report is in.
    struct Due {
        double HomeRangeRateMps = 0;  // the Moon's, at the pass's second
        double DxRangeRateMps = 0;
        long long UtcSecond = 0;
    };
    void Reported(const RadioReport& report, long long tuningsAtAsk, RadioLink& link);

    RadioTuningPlan plan_;
    // The settings of the latest pass (STOP uses their offset and split).
    RadioSettings settings_;
    std::optional<Due> due_;
    bool open_ = false;
    int connections_ = 0;
    int refusals_ = 0;
    // Tunings sent on this connection: a report asked before the latest of them went out shows
    // the radio as it was, not the operator's dial.
    long long tuningsSent_ = 0;
    // The sky frequency in use, and the settings' value it started from: a new value in the
    // dialog wins over the operator's dial.
    std::optional<double> skyHz_;
    double settingsSkyHz_ = 0;
    int operatorTunings_ = 0;
};

}  // namespace velmorant
