// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator/rotator_move.h"

#include <algorithm>
#include <cmath>

namespace velmorant {

namespace {

constexpr double kFullTurnDeg = 360.0;

}  // namespace

std::optional<RotatorAim> CommandedAim(const RotatorSettings& settings, RotatorAim target) {
    if (!std::isfinite(target.AzimuthDeg) || !std::isfinite(target.ElevationDeg) ||
        target.ElevationDeg < settings.ElevationFloorDeg) {
        return std::nullopt;
    }
    double azimuth = std::fmod(target.AzimuthDeg, kFullTurnDeg);
    if (azimuth < 0) {
        azimuth += kFullTurnDeg;
    }
    // fmod of a tiny negative value plus a full turn can round up to 360 itself.
    if (azimuth >= kFullTurnDeg) {
        azimuth = 0;
    }
    // Not std::clamp: settings made in code may have the range upside down, and then the lowest
    // elevation wins rather than the behaviour being undefined.
    const double elevation = std::max(settings.ElevationRangeMinDeg,
                                      std::min(target.ElevationDeg, settings.ElevationRangeMaxDeg));
    return RotatorAim{azimuth, elevation};
}

std::string SetPositionCommand(RotatorAim aim) {
    return "P " + FixedText(aim.AzimuthDeg, 2) + " " + FixedText(aim.ElevationDeg, 2);
}

double AxisChangeDeg(RotatorAim from, RotatorAim to) {
    double azimuth = std::fabs(std::fmod(to.AzimuthDeg - from.AzimuthDeg, kFullTurnDeg));
    azimuth = std::min(azimuth, kFullTurnDeg - azimuth);
    return std::max(azimuth, std::fabs(to.ElevationDeg - from.ElevationDeg));
}

std::optional<RotatorAim> RotatorMovePlan::Due(const RotatorSettings& settings, RotatorAim target,
                                               long long utcMinute, int utcSecond,
                                               WsjtxMoveWindow wsjtx) const {
    const auto aim = CommandedAim(settings, target);
    if (!aim) {
        return std::nullopt;
    }
    const bool lastSeconds = utcMinute != servedMinute_ && utcSecond >= 60 - settings.LastSeconds;
    switch (settings.MoveRule) {
        case RotatorMoveRule::EachMinute:
            return utcMinute != servedMinute_ ? aim : std::nullopt;
        case RotatorMoveRule::LastSeconds:
            return lastSeconds ? aim : std::nullopt;
        case RotatorMoveRule::WithWsjtx:
            // The Moon crosses the sky at about a quarter of a degree a minute: one move a
            // minute keeps the antenna on it.
            if (wsjtx == WsjtxMoveWindow::ClockRule) {
                return lastSeconds ? aim : std::nullopt;
            }
            return wsjtx == WsjtxMoveWindow::Move && utcMinute != servedMinute_ ? aim
                                                                                : std::nullopt;
        case RotatorMoveRule::Threshold:
            return !lastSent_ || AxisChangeDeg(*lastSent_, *aim) >= settings.ThresholdDeg
                       ? aim
                       : std::nullopt;
    }
    return std::nullopt;
}

void RotatorMovePlan::Sent(RotatorAim aim, long long utcMinute) {
    lastSent_ = aim;
    servedMinute_ = utcMinute;
}

void RotatorMovePlan::Forget() {
    lastSent_.reset();
    servedMinute_ = -1;
}

}  // namespace velmorant
