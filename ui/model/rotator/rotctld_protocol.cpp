// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator/rotctld_protocol.h"

#include <cmath>

#include "core/common/decimal.h"

namespace velmorant {

std::optional<double> ParseRotctldNumber(std::string_view line) {
    return StrictDecimal(WithoutCarriageReturn(line));
}

bool IsRotatorPosition(RotatorAim position) {
    // Rotators report azimuths past north either way (-180 to 540 is common) and elevations
    // past the zenith for flip-over mounts; beyond these limits a number is no position.
    return std::isfinite(position.AzimuthDeg) && std::isfinite(position.ElevationDeg) &&
           position.AzimuthDeg >= kLowestReportedAzimuthDeg &&
           position.AzimuthDeg <= kHighestReportedAzimuthDeg &&
           position.ElevationDeg >= kLowestReportedElevationDeg &&
           position.ElevationDeg <= kHighestReportedElevationDeg;
}

std::string RotctldConversation::Ask(RotctldCommand command, RotatorAim aim) {
    waiting_.push_back(command);
    switch (command) {
        case RotctldCommand::SetPosition:
            return SetPositionCommand(aim) + "\n";
        case RotctldCommand::GetPosition:
            return "p\n";
        case RotctldCommand::Stop:
            return "S\n";
    }
    return "\n";
}

std::vector<RotctldAnswer> RotctldConversation::Take(std::string_view bytes) {
    return TakeHamlibAnswers<RotctldAnswer>(
        lines_, lost_, bytes, [this](std::string_view line) { return TakeLine(line); });
}

std::optional<RotctldAnswer> RotctldConversation::TakeLine(std::string_view line) {
    RotctldAnswer answer;
    const auto garbled = [&] {
        answer.Garbled = true;
        answer.Line = PrintableAnswer(line);
        lost_ = true;
        return answer;
    };
    // A line nothing waits for (an extra line after a complete answer) is passed over: the
    // next command's answer still fits.
    if (waiting_.empty()) {
        return std::nullopt;
    }
    answer.Command = waiting_.front();
    if (const auto report = ParseHamlibReport(line)) {
        // A `p` that failed, or the end of a set or stop; a report in the middle of a position
        // does not fit.
        if (firstNumber_ || (answer.Command == RotctldCommand::GetPosition && *report == 0)) {
            return garbled();
        }
        waiting_.pop_front();
        answer.Report = *report;
        return answer;
    }
    const auto number = ParseRotctldNumber(line);
    if (!number || answer.Command != RotctldCommand::GetPosition) {
        return garbled();
    }
    if (!firstNumber_) {
        firstNumber_ = number;
        firstLine_ = WithoutCarriageReturn(line);
        return std::nullopt;
    }
    answer.Position = RotatorAim{*firstNumber_, *number};
    firstNumber_.reset();
    if (!IsRotatorPosition(*answer.Position)) {
        // Both lines, as "azimuth elevation".
        answer.Position.reset();
        answer.Garbled = true;
        answer.Line = PrintableAnswer(firstLine_ + " " + std::string(WithoutCarriageReturn(line)));
        lost_ = true;
        return answer;
    }
    waiting_.pop_front();
    return answer;
}

void RotctldConversation::Reset() {
    waiting_.clear();
    lines_.Clear();
    firstNumber_.reset();
    lost_ = false;
}

}  // namespace velmorant
