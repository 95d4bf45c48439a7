// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/realtime/real_time_pass.h"
#include "ui/model/main_window/window_ports.h"
#include "ui/model/rotator/rotator_move.h"
#include "ui/model/rotator/rotator_settings.h"
#include "ui/model/wsjtx/wsjtx_activity.h"

// The rotator during a real-time display: at every pass, while the operator has the rotator
// enabled, keep the link to rotctld open and send the station's position when the move rule says;
// at STOP, stop the rotator and close the link.

namespace velmorant {

class RotatorControl {
  public:
    // One pass of the display. The target is the chosen station's azimuth and elevation of the
    // pass; a station the window does not display sends nothing. `wsjtx` is what WSJT-X's
    // Status messages say of the moment, for the WithWsjtx rule (none: not followed).
    void Pass(const RotatorSettings& settings, const RealTimePassResult& pass, RotatorLink& link,
              const WsjtxActivity* wsjtx = nullptr);

    // STOP: `S` and the link closed, when this display had opened it.
    void Stop(RotatorLink& link);

  private:
    RotatorMovePlan plan_;
    bool open_ = false;
    int connections_ = 0;
};

// The UTC minute of a pass as a running count (day number * 1440 + minute of the day), the same
// count the minute's map update keeps.
long long PassMinute(const RealTimePassResult& pass);
// The UTC second of a pass on the same count (day number * 86400 + second of the day).
long long PassSecond(const RealTimePassResult& pass);

}  // namespace velmorant
