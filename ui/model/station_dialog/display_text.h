// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "stations/station_record.h"

namespace velmorant {

// A station of CALL3.TXT as the window shows it: callsign, locator and notes in UTF-8 (an 8-bit
// list is read as Latin-1, see Utf8OfEightBitText).
StationRecord ShownStation(const StationRecord& record);

// The lookup's upper-casing of a typed callsign: every character whose code is above 90 and
// within the 8-bit range gets 32 subtracted (a-z become A-Z). Works on UTF-8 text by character.
std::string LookupUpperCase(std::string_view utf8Text);

}  // namespace velmorant
