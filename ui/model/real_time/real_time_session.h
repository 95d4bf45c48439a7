// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/clock.h"
#include "run/realtime/real_time_cache.h"
#include "ui/model/main_window/window_context.h"
#include "ui/model/main_window/window_ports.h"
#include "ui/model/radio/radio_control.h"
#include "ui/model/rotator/rotator_control.h"

// The real-time display: started by RUN in Real-Time, one pass a second while it runs (the
// timer presses RUN again), the map and QVAZEL.DAT once a minute, ended by STOP.

namespace velmorant {

// What the display keeps from one pass to the next that the window owns.
struct RealTimeState {
    bool& Fresh;                     // true until the first map update after start-up or STOP
    double& PreviousTopocentricDec;  // radians, at the previous map update
};

class RealTimeSession {
  public:
    RealTimeSession(WindowContext window, const RunServices& run, const RealTimeServices& display,
                    const Clock& clock, RealTimeState state)
        : window_(std::move(window)), run_(run), display_(display), clock_(clock), state_(state) {}

    // One pass: the range texts reset, the window opened when the display is fresh, the labels
    // of the current UTC minute, and when due the map update and QVAZEL.DAT. A pass that cannot
    // be made (a value out of range, no object, no sky-temperature table) stops the display
    // with its message.
    void Pass();

    // At STOP: the rotator stopped, the radio left on the sky frequency, and their links closed,
    // if the display had opened them.
    void Stop();

    // The stations have changed under a running display: the next pass updates the map and
    // QVAZEL.DAT as well, whatever the minute.
    void UpdateMapAtNextPass() { lastMapUpdateMinute_ = -1; }

  private:
    WindowContext window_;
    const RunServices& run_;
    const RealTimeServices& display_;
    const Clock& clock_;
    RealTimeState state_;
    // The UTC minute of the last map update (-1: none since the display started).
    long long lastMapUpdateMinute_ = -1;
    // The date's values and the Doppler frame, kept from pass to pass (they depend on the
    // instant alone, not on the window's values).
    RealTimeCache cache_;
    RotatorControl rotator_;
    RadioControl radio_;
};

}  // namespace velmorant
