// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The fields of a line of CALL3.TXT as the lookup and the editor read them.

namespace velmorant {

// A locator field shorter than this (after right-trimming) cannot place a station: the lookup
// passes such a line over.
inline constexpr std::size_t kShortestLocator = 4;

// Notes are delivered with at most this many characters.
inline constexpr std::size_t kNotesLength = 65;

// `text` without its trailing blanks. Only the space character counts as a blank: a tab or any
// other byte at the end is kept.
std::string_view RightTrimmed(std::string_view text);

// A line cut at its first two commas. The later fields exist only when their comma does.
struct LineFields {
    bool HasFirstComma = false;
    std::string_view Callsign;  // before the first comma, as it stands (not trimmed)
    bool HasSecondComma = false;
    std::string_view Locator;  // between the two commas, right-trimmed
    std::string_view Rest;     // everything after the second comma, commas included
};
LineFields SplitAtCommas(std::string_view line);

// The locator as a reader delivers it: a right-trimmed field of exactly four characters (a
// square) is completed with "mm", the subsquare nearest the square's centre; any other field
// is delivered as it is.
std::string DeliveredLocator(std::string_view trimmedLocator);

// The notes as a reader delivers them: right-trimmed first, then cut to their first 65
// characters (so a blank at position 65 of a longer text stays).
std::string DeliveredNotes(std::string_view rest);

}  // namespace velmorant
