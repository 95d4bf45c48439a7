// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/radio/rigctld_protocol.h"

#include <cmath>

#include "core/common/decimal.h"

namespace velmorant {

namespace {

bool AsksFrequency(RigctldCommand command) {
    return command == RigctldCommand::GetFrequency || command == RigctldCommand::GetSplitFrequency;
}

// Whole hertz: radios tune in steps of 1 Hz at best, and the dummy keeps only the whole part.
std::string WholeHertz(double hz) {
    return std::to_string(std::llround(hz));
}

// The PTT state of a `t` answer: 0 receiving, 1 to 3 transmitting (keyed by the radio's own
// means, on its data input or on its microphone input).
std::optional<bool> ParsePtt(std::string_view line) {
    line = WithoutCarriageReturn(line);
    if (line.size() != 1 || line[0] < '0' || line[0] > '3') {
        return std::nullopt;
    }
    return line[0] != '0';
}

}  // namespace

std::optional<double> ParseRigctldFrequency(std::string_view line) {
    const auto hz = StrictDecimal(WithoutCarriageReturn(line));
    if (!hz || !std::isfinite(*hz) || *hz < 0 || *hz > kHighestRadioFrequencyHz) {
        return std::nullopt;
    }
    return hz;
}

std::string RigctldConversation::Ask(const RigctldRequest& request) {
    waiting_.push_back(request.Command);
    switch (request.Command) {
        case RigctldCommand::SetFrequency:
            return "F " + WholeHertz(request.FrequencyHz) + "\n";
        case RigctldCommand::SetSplitOn:
            return "S 1 VFOB\n";
        case RigctldCommand::SetSplitFrequency:
            return "I " + WholeHertz(request.FrequencyHz) + "\n";
        case RigctldCommand::GetFrequency:
            return "f\n";
        case RigctldCommand::GetSplitFrequency:
            return "i\n";
        case RigctldCommand::GetPtt:
            return "t\n";
    }
    return "\n";
}

std::vector<RigctldAnswer> RigctldConversation::Take(std::string_view bytes) {
    return TakeHamlibAnswers<RigctldAnswer>(
        lines_, lost_, bytes, [this](std::string_view line) { return TakeLine(line); });
}

std::optional<RigctldAnswer> RigctldConversation::TakeLine(std::string_view line) {
    // A line nothing waits for (an extra line after a complete answer) is passed over: the next
    // command's answer still fits.
    if (waiting_.empty()) {
        return std::nullopt;
    }
    RigctldAnswer answer;
    answer.Command = waiting_.front();
    const auto report = ParseHamlibReport(line);
    const bool ptt = answer.Command == RigctldCommand::GetPtt;
    const auto hz = report || ptt ? std::nullopt : ParseRigctldFrequency(line);
    const auto transmitting = report || !ptt ? std::nullopt : ParsePtt(line);
    // A failed question, or the end of a set command; a question that succeeded is answered by
    // its value, never by "RPRT 0".
    const bool fits = AsksFrequency(answer.Command) ? (hz || (report && *report != 0))
                      : ptt                         ? (transmitting || (report && *report != 0))
                                                    : report.has_value();
    if (!fits) {
        answer.Garbled = true;
        answer.Line = PrintableAnswer(line);
        lost_ = true;
        return answer;
    }
    waiting_.pop_front();
    answer.Report = report.value_or(0);
    answer.FrequencyHz = hz;
    answer.Transmitting = transmitting;
    return answer;
}

void RigctldConversation::Reset() {
    waiting_.clear();
    lines_.Clear();
    lost_ = false;
}

}  // namespace velmorant
