// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Rewriting CALL3.TXT for the station editor: one line replaced, deleted or added in order.

namespace velmorant {

enum class StationEdit { Replace, Delete, Add };

// The new text of the file after one edit; the caller writes it back (ReplaceTextFile).
//
// `fileText` is the file as read; every line it does not change is copied byte for byte, and
// every line is written with CR LF, whatever it ended with before. The file is kept through its
// end line; anything after the end line is dropped. A file without an end line keeps all its
// lines. There is no limit on the number of lines.
//
// Replace writes `newLine` in place of line `recordNumber` (1-based, comments counted); Delete
// leaves that line out. Both act only on a station line before the end line: for any other
// number (0, a comment, a short line, the end line, beyond the file) nothing is replaced or
// deleted and the text comes back unchanged apart from its line ends.
//
// Add puts `newLine` just after the last station line (in file order) whose right-trimmed
// callsign sorts below the right-trimmed `callsign`, comparing unsigned character codes. When
// none sorts below, it goes just before the first station line (after the comment lines above
// it); with no station line at all, just before the end line, or at the end of a file without
// one. Comment and short lines (fewer than two commas, empty lines) never move this point.
// `recordNumber` is not used by Add.
std::string EditStationList(std::string_view fileText, StationEdit edit, int recordNumber,
                            std::string_view callsign, std::string_view newLine);

// The notes stored for a station that has none.
inline constexpr std::string_view kDefaultNotes = ",EME,,,,";

// The written form of a station: callsign, comma, locator, comma, notes, nothing padded or
// trimmed (the editor has right-trimmed the callsign already). Empty notes are written as
// ",EME,,,,", so the line reads "DL1ABC,JO62qm,,EME,,,,".
std::string StationLine(std::string_view callsign, std::string_view locator,
                        std::string_view notes);

// Why these fields cannot be written as one station line that reads back as the same station,
// or nothing. A callsign has 1 to 20 characters (UTF-8 characters counted), no comma (it would
// end the callsign early), no control character and no leading "//" (the line would read as a
// comment); a locator holds no comma and no control character; notes may hold commas but no
// line break (it would split the line). The text names the field and says what to correct.
std::optional<std::string> StationLineFault(std::string_view callsign, std::string_view locator,
                                            std::string_view notes);

}  // namespace velmorant
