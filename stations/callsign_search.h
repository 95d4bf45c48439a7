// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "stations/station_record.h"

// SearchCallsign: finds a callsign in the text of CALL3.TXT (a "*" ends the part compared), or
// browses to the line before or after the one found. The search decides what happened; the
// window shows the message, the status box and the fields that go with it.

namespace velmorant {

enum class BrowseRequest {
    None,      // a plain search
    Previous,  // "[[[[[": the line above the one found
    Next       // "]]]]]": the line below the one found
};

// The outcomes, and the record each leaves (Record is exactly what the window receives).
enum class SearchOutcome {
    // Status box: kExactMatchStatus and the record number. Record: the callsign as the file
    // writes it, its locator (a square completed with "mm") and notes, the line number.
    ExactMatch,
    // Status box: kBrowsedStatus and the record number; the browse request is cleared.
    // Record: the callsign, locator and notes of the neighbouring line, its line number (0 when
    // stepping above line 1, which leaves the found line in place).
    Browsed,
    // Message kClosestMatchText; the status box keeps what it shows. Either a "*" prefix that
    // is itself a callsign was found (Record: the callsign and locator the scan ended with,
    // the locator possibly empty or short, notes when the line was read to the end, the number
    // of the last line read, the end line when no line matched), or the whole callsign was not
    // found but a line shares its first 15 characters (Record: that line's callsign, locator,
    // notes when its locator is usable, and its number).
    ClosestMatch,
    // Message kNotFoundText; status box hidden and cleared. Record: the callsign as the scan
    // left it (the typed one unless a "*" took over a longer callsign), locator and notes empty,
    // record number 0. Also the end of a browse that lands on a comment or on the end line.
    NotFound,
    // No message, status box as it was: the scan stopped on a line with too few commas and the
    // last callsign read was not this one. Record: as the scan left it, number of that line.
    Silent,
    // No message, status box and browse request as they were: the neighbouring line's locator
    // is too short. Record: the callsign found before, the short locator, empty notes, and the
    // neighbouring line's number.
    BrowseStopped
};

struct SearchResult {
    SearchOutcome Outcome = SearchOutcome::NotFound;
    StationRecord Record;  // callsign, locator, notes and record number as the window receives
    // True when a browse was performed and completed (Browsed, or NotFound after a step onto a
    // comment or the end line): the browse request is to be cleared.
    bool BrowseCompleted = false;
};

// The search on the file's whole text, read once by the caller.
//
// `callsign` is looked up as given: the lookup button right-trims and upper-cases it first; the
// search itself neither trims nor changes case. Without a "*" the whole callsign is compared
// with the text before each line's first comma (untrimmed, so "G4AB ," does not match "G4AB");
// with one, only the characters before the first "*" ("*" alone matches every line). The first
// line that matches and has a usable locator (at least four characters) ends the scan; a line
// without a comma, or a matching line without a second comma, ends it as well. A list without
// an end line ends at the end of the text as if there were one. When the whole callsign is not
// found, the first line whose callsign shares its first 15 characters (both are that long or
// longer) is the closest match.
//
// `browse` asks, after a successful find, for the line above or below it instead; it is ignored
// for every other outcome. Never reads beyond the end line; the text is walked at most once.
SearchResult SearchCallsign(std::string_view fileText, std::string_view callsign,
                            BrowseRequest browse);

// The texts the window shows for the outcomes. The status texts are followed by the record
// number in decimal with one leading blank: "Exact Match Found - Record # 20".
inline constexpr const char* kExactMatchStatus = "Exact Match Found - Record #";
inline constexpr const char* kBrowsedStatus = "Exact Browsed Callsign is at Record #";
inline constexpr const char* kClosestMatchText =
    "Closest callsign found.  Please check callsign, grid locator and station information.";
inline constexpr const char* kNotFoundText =
    "No callsign found.  Please enter new grid locator and station information manually.";
inline constexpr const char* kCallsignSearchTitle = "CALLSIGN SEARCH";

}  // namespace velmorant
