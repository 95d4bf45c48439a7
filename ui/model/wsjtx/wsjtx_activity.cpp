// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/wsjtx/wsjtx_activity.h"

#include <algorithm>
#include <cmath>

namespace velmorant {

void WsjtxActivity::TakeStatus(double utcSeconds, bool transmitting,
                               std::optional<std::uint32_t> periodSeconds) {
    // A transmission ends at the first Status that says so: it lasted until then.
    if (transmitting || transmitting_) {
        lastTransmitting_ = utcSeconds;
    }
    transmitting_ = transmitting;
    lastStatus_ = utcSeconds;
    // A period of 0 is no period; the shortest of the modes is a few seconds.
    if (periodSeconds && *periodSeconds > 0) {
        periodSeconds_ = *periodSeconds;
    }
}

void WsjtxActivity::Arrived(bool transmitting, std::optional<std::uint32_t> periodSeconds) {
    Pending next;
    next.Transmitted = transmitting || (pending_ && pending_->Transmitted);
    next.Transmitting = transmitting;
    next.PeriodSeconds = periodSeconds ? periodSeconds
                         : pending_    ? pending_->PeriodSeconds
                                       : std::nullopt;
    pending_ = next;
}

void WsjtxActivity::Commit(double utcSeconds) {
    if (!pending_) {
        return;
    }
    if (pending_->Transmitted && !pending_->Transmitting) {
        TakeStatus(utcSeconds, true, pending_->PeriodSeconds);
    }
    TakeStatus(utcSeconds, pending_->Transmitting, pending_->PeriodSeconds);
    pending_.reset();
}

bool WsjtxActivity::Heard(double utcSeconds) const {
    return lastStatus_ && utcSeconds - *lastStatus_ <= kWsjtxSilenceSeconds;
}

WsjtxMoveWindow WsjtxActivity::MoveWindow(double utcSeconds, int lastSeconds) const {
    if (!Heard(utcSeconds)) {
        return WsjtxMoveWindow::ClockRule;
    }
    if (transmitting_) {
        return WsjtxMoveWindow::Move;
    }
    const double period = periodSeconds_;
    if (lastTransmitting_ && utcSeconds - *lastTransmitting_ < 2 * period) {
        // In a contact: the next receive period follows; the antenna waits for the next
        // transmission.
        return WsjtxMoveWindow::Hold;
    }
    const double intoPeriod = std::fmod(utcSeconds, period);
    const double window = std::min<double>(lastSeconds, period);
    return intoPeriod >= period - window ? WsjtxMoveWindow::Move : WsjtxMoveWindow::Hold;
}

}  // namespace velmorant
