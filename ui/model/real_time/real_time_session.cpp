// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/real_time/real_time_session.h"

#include <variant>

#include "run/realtime/real_time_frame.h"
#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"
#include "run/realtime/real_time_setup.h"
#include "ui/model/wsjtx/wsjtx_dx.h"

namespace velmorant {

void RealTimeSession::Pass() {
    MainWindowControls& w = window_.Controls;
    WindowWriter& writer = window_.Writer;
    // A real-time display never restricts by azimuth or time.
    writer.PutText(w.txtGMTMIN, kOpenGmtMin);
    writer.PutText(w.txtGMTMAX, kOpenGmtMax);
    writer.PutText(w.txtAZMIN, kOpenAzMin);
    writer.PutText(w.txtAZMAX, kOpenAzMax);
    const bool starting = state_.Fresh;
    if (state_.Fresh) {
        lastMapUpdateMinute_ = -1;
        if (display_.Open) {
            display_.Open(w.cboCelestial.Text);
        }
    }
    writer.Show(w.cmdRUN, false);
    writer.Show(w.cmdStop, true);

    // A pass that cannot be made stops the display with its message (once, not every second).
    auto refuse = [this](const RunMessage& message) {
        window_.Stop();
        window_.Messages.ShowMessage(message.Text, message.Title);
    };
    const auto prepared = PrepareRealTime(window_.Inputs(), run_.Folder);
    if (const auto* message = std::get_if<RunMessage>(&prepared)) {
        refuse(*message);
        return;
    }
    const RunParameters& params = std::get<RealTimeSetUp>(prepared).Params;
    const RealTimePassResult pass = RealTimePass(params, std::get<RealTimeSetUp>(prepared).Table,
                                                 clock_.Now(), clock_.UtcOffsetMinutes(), cache_);
    if (display_.ShowPass) {
        display_.ShowPass(pass.Frame);
    }

    // The map, the topocentric labels and QVAZEL.DAT: right after the display starts, then on
    // the first pass of every UTC minute.
    if (MinuteUpdateDue(pass, state_.Fresh, lastMapUpdateMinute_)) {
        const MapUpdateFrame update = MapUpdate(params, pass, state_.PreviousTopocentricDec);
        if (display_.ShowMapUpdate) {
            display_.ShowMapUpdate(update);
        }
        if (display_.WriteAzEl) {
            display_.WriteAzEl(update.AzElLine);
        }
        state_.Fresh = false;
    }
    if (display_.Wsjtx != nullptr) {
        const auto second = static_cast<double>(PassSecond(pass));
        display_.Wsjtx->Commit(second);
        if (display_.ShowWsjtx) {
            display_.ShowWsjtx(*display_.Wsjtx, second);
        }
    }
    // The rotator after QVAZEL.DAT, which it never touches.
    if (display_.Rotator != nullptr && display_.RotatorChoice != nullptr) {
        rotator_.Pass(*display_.RotatorChoice, pass, *display_.Rotator, display_.Wsjtx);
    }
    if (display_.Radio != nullptr && display_.RadioChoice != nullptr) {
        radio_.Pass(*display_.RadioChoice, pass, *display_.Radio);
    }
    // The status line tells of a clock offset that disagrees with the computer's when the
    // display starts, and keeps saying so while it runs; what WSJT-X set stays on show too.
    if (starting && !pass.Frame.ClockCheck.empty()) {
        writer.PutText(w.txtDateCalc, pass.Frame.ClockCheck);
    }
    writer.Show(w.txtDateCalc,
                (!pass.Frame.ClockCheck.empty() && w.txtDateCalc.Text == pass.Frame.ClockCheck) ||
                    WsjtxDxFollower::IsFollowerText(w.txtDateCalc.Text));
}

void RealTimeSession::Stop() {
    if (display_.Rotator != nullptr) {
        rotator_.Stop(*display_.Rotator);
    }
    if (display_.Radio != nullptr) {
        radio_.Stop(*display_.Radio);
    }
}

}  // namespace velmorant
