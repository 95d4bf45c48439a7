// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// What WSJT-X's Status messages tell of the station's transmit and receive periods, and when an
// antenna may turn because of it: while WSJT-X transmits, and, when it has not transmitted for
// two periods, in the last seconds of each of its periods (between receive periods). Without a
// Status for a while WSJT-X counts as gone, and the rotator goes back to the clock's rule.

namespace velmorant {

// How long without a Status before WSJT-X counts as gone, seconds.
inline constexpr double kWsjtxSilenceSeconds = 30;
// The T/R period assumed when WSJT-X does not send one, seconds (the minute of the EME modes).
inline constexpr std::uint32_t kDefaultTrPeriodSeconds = 60;

enum class WsjtxMoveWindow {
    Move,      // the antenna may turn now
    Hold,      // not now: WSJT-X receives, or is about to
    ClockRule  // no word from WSJT-X: the clock's rule decides
};

class WsjtxActivity {
  public:
    // A Status arrived at utcSeconds (seconds, UTC, any fixed origin at a whole minute, such as
    // 1970): whether WSJT-X transmits and its T/R period (seconds; none when not sent).
    void TakeStatus(double utcSeconds, bool transmitting,
                    std::optional<std::uint32_t> periodSeconds);

    // A Status arrived between two passes of a display, which keeps its own clock: taken at the
    // next Commit, with the second of that pass. A transmission begun and ended in between
    // still counts as one.
    void Arrived(bool transmitting, std::optional<std::uint32_t> periodSeconds);
    void Commit(double utcSeconds);

    // Whether a Status came within the last 30 s (none yet: false), and whether the last one
    // said WSJT-X transmits.
    bool Heard(double utcSeconds) const;
    bool EverHeard() const { return lastStatus_.has_value(); }
    bool Transmitting() const { return transmitting_; }

    // Whether the antenna may turn at utcSeconds, with the last `lastSeconds` seconds (1 to 59)
    // of each period between receive periods. The periods start at whole multiples of the
    // period from the origin, as WSJT-X's start at whole minutes.
    WsjtxMoveWindow MoveWindow(double utcSeconds, int lastSeconds) const;

  private:
    struct Pending {
        bool Transmitted = false;  // some Status since the last Commit said it transmits
        bool Transmitting = false;
        std::optional<std::uint32_t> PeriodSeconds;
    };
    std::optional<Pending> pending_;
    std::optional<double> lastStatus_;
    std::optional<double> lastTransmitting_;  // the last moment WSJT-X was seen transmitting
    bool transmitting_ = false;
    std::uint32_t periodSeconds_ = kDefaultTrPeriodSeconds;
};

}  // namespace velmorant
