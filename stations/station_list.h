// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// CALL3.TXT, the list of known stations: plain 8-bit text, one entry per line, in any encoding
// (bytes are compared by their unsigned codes and never interpreted). Lines read end at CR LF,
// CR or LF; lines written end with CR LF. Line numbers count every line from 1, comment lines
// included: a station's line number is its record number.

namespace velmorant {

inline constexpr const char* kStationListFileName = "CALL3.TXT";

enum class StationLineKind {
    End,      // first six characters "ZZZZZZ": nothing after it is read, a rewrite drops it
    Comment,  // first two characters "//": skipped by the readers, copied by a rewrite
    Station,  // any other line with at least two commas: callsign,locator,notes
    Short     // any other line (fewer than two commas, empty lines included)
};

// The kind of one line (without its line end), decided in the order above.
StationLineKind KindOfLine(std::string_view line);

// The lines of the file's text, without their line ends, as views into `text` (which must
// outlive them). A last line without a line end counts; a text ending with a line end has no
// empty line after it, and an empty text has no line. Everything is kept, including any text
// after the end line: the callers decide where to stop.
std::vector<std::string_view> SplitStationLines(std::string_view text);

}  // namespace velmorant
