// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotctld_protocol.h"

#include <cmath>

#include "core/decimal.h"
#include "core/utf8.h"

namespace velmorant {

namespace {

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

std::optional<int> ParseRotctldReport(std::string_view line) {
    line = WithoutCarriageReturn(line);
    constexpr std::string_view kPrefix = "RPRT ";
    if (!line.starts_with(kPrefix)) {
        return std::nullopt;
    }
    line.remove_prefix(kPrefix.size());
    return WholeTextInteger(line);
}

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

std::string PrintableAnswer(std::string_view line) {
    // Shown on a terminal and in tooltips: control characters, bytes that are not UTF-8 and
    // the characters of markup are written as \xNN, and the text is cut to a length a message
    // can hold.
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size();) {
        if (characters == kLongestShownAnswer) {
            shown += "...";
            break;
        }
        const DecodedCodePoint decoded = DecodeCodePoint(line, i);
        const auto byte = static_cast<unsigned char>(line[i]);
        const bool plain =
            decoded.Length > 1 || (decoded.Length == 1 && byte >= 0x20 && byte != 0x7F &&
                                   byte != '<' && byte != '>' && byte != '&' && byte != '"');
        if (plain && decoded.Code >= 0xA0) {
            shown.append(line.substr(i, decoded.Length));
            i += decoded.Length;
        } else if (plain && decoded.Length == 1) {
            shown += static_cast<char>(byte);
            ++i;
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
            ++i;
        }
        ++characters;
    }
    return shown;
}

std::string HamlibErrorWords(int report) {
    // Hamlib's error codes (rig_errcode_e in hamlib/rig.h), negated on the wire, in our words.
    static const char* const kWords[] = {
        "done",
        "invalid parameter",
        "invalid configuration",
        "out of memory",
        "not implemented",
        "timed out",
        "input/output error",
        "internal Hamlib error",
        "protocol error",
        "rejected by the rotator",
        "argument truncated",
        "not available",
        "not targetable",
        "bus error",
        "bus busy",
        "invalid argument",
        "invalid VFO",
        "out of domain",
        "deprecated",
        "security error",
        "rotator not powered on",
    };
    // Negated in 64 bits: the most negative int has no 32-bit opposite.
    const long long index = -static_cast<long long>(report);
    if (index >= 0 && index < static_cast<long long>(std::size(kWords))) {
        return kWords[index];
    }
    return "error";
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
    std::vector<RotctldAnswer> answers;
    if (lost_) {
        return answers;
    }
    partial_.append(bytes);
    std::size_t start = 0;
    for (auto end = partial_.find('\n'); end != std::string::npos;
         end = partial_.find('\n', start)) {
        const std::string_view line(partial_.data() + start, end - start);
        start = end + 1;
        if (auto answer = TakeLine(line)) {
            answers.push_back(std::move(*answer));
            if (lost_) {
                partial_.clear();
                return answers;
            }
        }
    }
    partial_.erase(0, start);
    if (partial_.size() > kLongestRotctldLine) {
        RotctldAnswer garbled;
        garbled.Garbled = true;
        garbled.Line = PrintableAnswer(partial_);
        answers.push_back(std::move(garbled));
        lost_ = true;
        partial_.clear();
    }
    return answers;
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
    if (const auto report = ParseRotctldReport(line)) {
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
    partial_.clear();
    firstNumber_.reset();
    lost_ = false;
}

}  // namespace velmorant
