// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "stations/station_record.h"

// The stations of CALL3.TXT that a pattern names, each as the lookup button's exact find of its
// callsign delivers it (SearchCallsign): for every callsign the first line that places it
// (locator of four characters or more; a square completed with "mm", notes cut to 65
// characters), in the order of the file, up to the end line or the first line without a comma
// (where every search stops). A callsign whose first line has no second comma is left out: its
// search stops there without a locator.

namespace velmorant {

// `pattern`: "" or "*" for every station; otherwise the characters before its first "*" are
// compared with the start of each callsign (the lookup's wildcard), and without a "*" the whole
// callsign must match.
std::vector<StationRecord> ListStations(std::string_view fileText, std::string_view pattern);

}  // namespace velmorant
