// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmorant {

// One station as it passes between the lookup, the editor and the main window.
struct StationRecord {
    std::string Callsign;  // as typed, or as found in the file
    std::string Locator;   // as found (four characters completed with "mm"), or as typed
    std::string Notes;     // at most 65 characters when read from the file
    // Line number of the station line in CALL3.TXT, counting every line from 1 (comments
    // included); 0 when the callsign was not found. Not limited to 16 bits: a list of any
    // length is handled.
    int RecordNumber = 0;
};

}  // namespace velmorant
