// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/rotator/hamlib_lines.h"
#include "ui/model/rotator/rotator_move.h"

// rotctld's default protocol as Hamlib 4.5 speaks it (checked against `rotctld -m 1`): one
// command a line; `P az el` and `S` are answered "RPRT n" (0 done, a negative Hamlib error code
// otherwise); `p` is answered by two lines, the azimuth and the elevation ("181.30", "14.00"), or
// by "RPRT n" when it fails. Lines end in '\n'. No answer names its command: the answers come in
// the order the commands went out, so the conversation keeps the commands still unanswered.

namespace velmorant {

enum class RotctldCommand { SetPosition, GetPosition, Stop };

// A command with its aim (SetPosition).
struct RotctldRequest {
    RotctldCommand Command = RotctldCommand::GetPosition;
    RotatorAim Aim;
};

// One complete answer.
struct RotctldAnswer {
    RotctldCommand Command = RotctldCommand::SetPosition;
    int Report = 0;                      // 0, or the negative Hamlib error code of "RPRT n"
    std::optional<RotatorAim> Position;  // GetPosition when it succeeded
    bool Garbled = false;                // a line that fits no answer; the conversation is lost
    std::string Line;  // the line that did not fit (Garbled), as PrintableAnswer shows it
};

class RotctldConversation {
  public:
    // The line to send for a command, '\n' included; the command now waits for its answer.
    std::string Ask(RotctldCommand command, RotatorAim aim = {});
    std::string Ask(const RotctldRequest& request) { return Ask(request.Command, request.Aim); }

    // Takes bytes as they arrive (any split) and returns the answers they complete. After a
    // garbled answer the conversation drops everything until Reset.
    std::vector<RotctldAnswer> Take(std::string_view bytes);

    // Commands sent and not yet answered.
    std::size_t Unanswered() const { return waiting_.size(); }

    // A new connection: nothing waits, nothing is half read.
    void Reset();

  private:
    std::optional<RotctldAnswer> TakeLine(std::string_view line);

    std::deque<RotctldCommand> waiting_;
    HamlibLineReader lines_;
    std::optional<double> firstNumber_;  // the azimuth line of a `p` answer
    std::string firstLine_;              // and its text
    bool lost_ = false;
};

// A number line of a `p` answer ("181.30", "-10.00"); none for any other line.
std::optional<double> ParseRotctldNumber(std::string_view line);

// The limits of a reported position, degrees: azimuth -360 to 720, elevation -90 to 180.
inline constexpr double kLowestReportedAzimuthDeg = -360;
inline constexpr double kHighestReportedAzimuthDeg = 720;
inline constexpr double kLowestReportedElevationDeg = -90;
inline constexpr double kHighestReportedElevationDeg = 180;

// Whether a `p` answer's two numbers can be a rotator's position: finite and within the limits
// above. Anything else (1e308, say) is a garbled answer.
bool IsRotatorPosition(RotatorAim position);

}  // namespace velmorant
