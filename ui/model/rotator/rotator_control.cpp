// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator/rotator_control.h"

#include "core/common/constants.h"

namespace velmorant {

long long PassMinute(const RealTimePassResult& pass) {
    return static_cast<long long>(pass.DayNumber) * 1440 +
           static_cast<long long>(pass.Utc.Hour) * 60 + pass.Utc.Minute;
}

long long PassSecond(const RealTimePassResult& pass) {
    return PassMinute(pass) * 60 + pass.Utc.Second;
}

void RotatorControl::Pass(const RotatorSettings& settings, const RealTimePassResult& pass,
                          RotatorLink& link, const WsjtxActivity* wsjtx) {
    if (!settings.Enabled) {
        // Turned off in the dialog during the display.
        Stop(link);
        return;
    }
    link.Open(settings.Host, settings.Port);
    if (!open_ || link.Connections() != connections_) {
        plan_.Forget();
        connections_ = link.Connections();
    }
    open_ = true;
    const bool home = settings.Station == RotatorStation::Home;
    if (!(home ? pass.Frame.ShowHome : pass.Frame.ShowDX)) {
        return;
    }
    const StationView& view = home ? pass.Home : pass.DX;
    // Degrees as the window computes them from its radians (the program's own RadToDeg).
    const RotatorAim target{view.Azimuth * RadToDeg, view.Elevation * RadToDeg};
    const long long minute = PassMinute(pass);
    const WsjtxMoveWindow window =
        wsjtx != nullptr
            ? wsjtx->MoveWindow(static_cast<double>(PassSecond(pass)), settings.LastSeconds)
            : WsjtxMoveWindow::ClockRule;
    if (const auto aim = plan_.Due(settings, target, minute, pass.Utc.Second, window)) {
        if (link.SendMove(*aim)) {
            plan_.Sent(*aim, minute);
        }
    }
}

void RotatorControl::Stop(RotatorLink& link) {
    if (open_) {
        link.Close();
    }
    open_ = false;
    plan_.Forget();
}

}  // namespace velmorant
