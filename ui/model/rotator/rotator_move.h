// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "ui/model/rotator/rotator_settings.h"
#include "ui/model/wsjtx/wsjtx_activity.h"

// When and where a real-time display moves the rotator: the operator's rule (each minute, the
// last seconds of each minute, or a change of target), the elevation floor and the rotator's
// elevation range, and the rotctld command that carries the move.

namespace velmorant {

// A pointing, degrees: azimuth from north through east, elevation above the horizon.
struct RotatorAim {
    double AzimuthDeg = 0;
    double ElevationDeg = 0;
};

// Where the rotator is sent for this target: the azimuth wrapped into [0, 360), the elevation
// clamped into the rotator's range. None when the target's elevation is below the floor (the
// rotator stays where it is) or not a finite number.
std::optional<RotatorAim> CommandedAim(const RotatorSettings& settings, RotatorAim target);

// rotctld's set-position command for an aim, two decimals, '.' as the point whatever the
// locale, without the line end: "P 181.30 14.00".
std::string SetPositionCommand(RotatorAim aim);

// The larger of the azimuth change (the short way round) and the elevation change, degrees: how
// far the busier axis of an az/el rotator has to turn.
double AxisChangeDeg(RotatorAim from, RotatorAim to);

// The rule's memory between passes: what was last sent and in which minute.
class RotatorMovePlan {
  public:
    // The aim this pass sends, or none. `utcMinute` counts minutes (day number * 1440 + minute
    // of the day), `utcSecond` is 0 to 59. EachMinute sends once in every minute, on its first
    // pass; LastSeconds once in every minute, on its first pass at second 60 - N or later;
    // Threshold when nothing was sent yet or the aim has moved by the threshold on either axis;
    // WithWsjtx once in every minute, on its first pass in which `wsjtx` says Move, and as
    // LastSeconds when it says ClockRule (WSJT-X not heard). A move that could not be sent (Sent
    // not called) is due again at the next pass.
    std::optional<RotatorAim> Due(const RotatorSettings& settings, RotatorAim target,
                                  long long utcMinute, int utcSecond,
                                  WsjtxMoveWindow wsjtx = WsjtxMoveWindow::ClockRule) const;

    // The move went out.
    void Sent(RotatorAim aim, long long utcMinute);

    // A new display or a new connection to rotctld (the daemon may have restarted, its
    // rotator may stand elsewhere): the next due move goes out whatever was sent before.
    void Forget();

  private:
    std::optional<RotatorAim> lastSent_;
    long long servedMinute_ = -1;
};

}  // namespace velmorant
