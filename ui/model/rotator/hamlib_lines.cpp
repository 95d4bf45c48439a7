// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator/hamlib_lines.h"

#include "core/common/decimal.h"
#include "core/common/utf8.h"

namespace velmorant {

std::vector<std::string> HamlibLineReader::Take(std::string_view bytes) {
    std::vector<std::string> lines;
    overlong_.reset();
    partial_.append(bytes);
    std::size_t start = 0;
    for (auto end = partial_.find('\n'); end != std::string::npos;
         end = partial_.find('\n', start)) {
        lines.emplace_back(partial_, start, end - start);
        start = end + 1;
    }
    partial_.erase(0, start);
    if (partial_.size() > kLongestHamlibLine) {
        overlong_ = PrintableAnswer(partial_);
        partial_.clear();
    }
    return lines;
}

void HamlibLineReader::Clear() {
    partial_.clear();
    overlong_.reset();
}

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::optional<int> ParseHamlibReport(std::string_view line) {
    line = WithoutCarriageReturn(line);
    constexpr std::string_view kPrefix = "RPRT ";
    if (!line.starts_with(kPrefix)) {
        return std::nullopt;
    }
    line.remove_prefix(kPrefix.size());
    return WholeTextInteger(line);
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
        "command rejected",
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
        "not powered on",
    };
    // Negated in 64 bits: the most negative int has no 32-bit opposite.
    const long long index = -static_cast<long long>(report);
    if (index >= 0 && index < static_cast<long long>(std::size(kWords))) {
        return kWords[index];
    }
    return "error";
}

}  // namespace velmorant
