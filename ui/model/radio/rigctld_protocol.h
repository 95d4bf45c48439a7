// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/rotator/hamlib_lines.h"

// rigctld's default protocol as Hamlib 4.5 speaks it (checked against `rigctld -m 1`): one
// command a line; `F hz`, `S 1 VFOB` and `I hz` are answered "RPRT n" (0 done, a negative Hamlib
// error code otherwise); `f` and `i` by one line, the frequency in whole hertz ("1296000123"),
// or by "RPRT n" when they fail. As with rotctld no answer names its command: the answers come
// in the order the commands went out.

namespace velmorant {

enum class RigctldCommand {
    SetFrequency,       // F: the current VFO (the one the radio receives on)
    SetSplitOn,         // S 1 VFOB: split on, transmitting on VFO B
    SetSplitFrequency,  // I: the split VFO (the one the radio transmits on)
    GetFrequency,       // f
    GetSplitFrequency,  // i
    GetPtt              // t: whether the radio transmits
};

// A command with its frequency (hertz; the set commands send it rounded to whole hertz).
struct RigctldRequest {
    RigctldCommand Command = RigctldCommand::GetFrequency;
    double FrequencyHz = 0;
};

// One complete answer.
struct RigctldAnswer {
    RigctldCommand Command = RigctldCommand::GetFrequency;
    int Report = 0;                     // 0, or the negative Hamlib error code of "RPRT n"
    std::optional<double> FrequencyHz;  // `f` or `i` when it succeeded, hertz
    std::optional<bool> Transmitting;   // `t` when it succeeded: "0" receiving, else transmitting
    bool Garbled = false;               // a line that fits no answer; the conversation is lost
    std::string Line;  // the line that did not fit (Garbled), as PrintableAnswer shows it
};

// The highest frequency a radio may report or be sent, hertz (1000 GHz, far above any amateur
// band); a larger number in an answer is garbled.
inline constexpr double kHighestRadioFrequencyHz = 1e12;

class RigctldConversation {
  public:
    // The line to send, '\n' included; the command now waits for its answer.
    std::string Ask(const RigctldRequest& request);

    // Takes bytes as they arrive (any split) and returns the answers they complete. A line
    // nothing waits for is passed over; after a garbled answer the conversation drops everything
    // until Reset.
    std::vector<RigctldAnswer> Take(std::string_view bytes);

    // Commands sent and not yet answered.
    std::size_t Unanswered() const { return waiting_.size(); }

    // A new connection: nothing waits, nothing is half read.
    void Reset();

  private:
    std::optional<RigctldAnswer> TakeLine(std::string_view line);

    std::deque<RigctldCommand> waiting_;
    HamlibLineReader lines_;
    bool lost_ = false;
};

// The frequency line of an `f` or `i` answer: a number of hertz from 0 to
// kHighestRadioFrequencyHz ("1296000123", "144100000.5"); none for any other line.
std::optional<double> ParseRigctldFrequency(std::string_view line);

}  // namespace velmorant
