// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station_list_edit.h"

#include <cstddef>
#include <vector>

#include "core/common/utf8.h"
#include "stations/station_fields.h"
#include "stations/station_list.h"

namespace velmorant {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The lines through the end line, or all of them when there is none.
std::size_t KeptLineCount(const std::vector<std::string_view>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (KindOfLine(lines[i]) == StationLineKind::End) {
            return i + 1;
        }
    }
    return lines.size();
}

// The 0-based index of the line before which a new station goes (`kept` when it goes last).
std::size_t InsertionIndex(const std::vector<std::string_view>& lines, std::size_t kept,
                           std::string_view callsign) {
    const std::string_view key = RightTrimmed(callsign);
    std::size_t firstStation = kept;
    std::size_t afterLastBelow = kept;
    bool anyBelow = false;
    for (std::size_t i = 0; i < kept; ++i) {
        if (KindOfLine(lines[i]) != StationLineKind::Station) {
            continue;
        }
        if (firstStation == kept) {
            firstStation = i;
        }
        // std::string_view compares like memcmp: by unsigned character codes.
        if (RightTrimmed(SplitAtCommas(lines[i]).Callsign) < key) {
            afterLastBelow = i + 1;
            anyBelow = true;
        }
    }
    if (anyBelow) {
        return afterLastBelow;
    }
    if (firstStation != kept) {
        return firstStation;
    }
    // No station line: before the end line, or after the last line of a list without one.
    const bool hasEndLine = kept > 0 && KindOfLine(lines[kept - 1]) == StationLineKind::End;
    return hasEndLine ? kept - 1 : kept;
}

void Append(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

}  // namespace

std::string EditStationList(std::string_view fileText, StationEdit edit, int recordNumber,
                            std::string_view callsign, std::string_view newLine) {
    const std::vector<std::string_view> lines = SplitStationLines(fileText);
    const std::size_t kept = KeptLineCount(lines);

    // The one line acted on, as a 0-based index; `kept` stands for none.
    std::size_t target = kept;
    if (edit == StationEdit::Add) {
        target = InsertionIndex(lines, kept, callsign);
    } else if (recordNumber >= 1 && static_cast<std::size_t>(recordNumber) <= kept &&
               KindOfLine(lines[recordNumber - 1]) == StationLineKind::Station) {
        target = static_cast<std::size_t>(recordNumber - 1);
    }

    std::string out;
    out.reserve(fileText.size() + kept * kLineEnd.size() + newLine.size() + kLineEnd.size());
    for (std::size_t i = 0; i < kept; ++i) {
        if (i == target) {
            if (edit == StationEdit::Delete) {
                continue;
            }
            Append(out, newLine);
            if (edit == StationEdit::Replace) {
                continue;
            }
        }
        Append(out, lines[i]);
    }
    if (edit == StationEdit::Add && target == kept) {
        Append(out, newLine);
    }
    return out;
}

namespace {

constexpr std::size_t kLongestCallsign = 20;

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

bool HasControl(std::string_view text) {
    for (const char c : text) {
        if (IsControl(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> StationLineFault(std::string_view callsign, std::string_view locator,
                                            std::string_view notes) {
    if (callsign.empty() || CharacterCount(callsign) > kLongestCallsign ||
        callsign.find(',') != std::string_view::npos || HasControl(callsign) ||
        callsign.starts_with("//")) {
        return "A callsign has 1 to 20 characters, without commas or control characters, and "
               "does not start with //.  Please correct the callsign.";
    }
    if (locator.find(',') != std::string_view::npos || HasControl(locator)) {
        return "A locator holds no commas or control characters.  Please correct the locator.";
    }
    if (notes.find_first_of("\r\n") != std::string_view::npos) {
        return "The notes cannot hold a line break.  Please correct the notes.";
    }
    return std::nullopt;
}

std::string StationLine(std::string_view callsign, std::string_view locator,
                        std::string_view notes) {
    std::string line;
    line.reserve(callsign.size() + locator.size() + notes.size() + kDefaultNotes.size() + 2);
    line += callsign;
    line += ',';
    line += locator;
    line += ',';
    line += notes.empty() ? kDefaultNotes : notes;
    return line;
}

}  // namespace velmorant
