// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace velmorant {

// Text from an 8-bit file as the window shows it: valid UTF-8 as it is, anything else read as
// Latin-1 and converted to UTF-8.
std::string DisplayText(std::string_view bytes);

// The lookup's upper-casing of a typed callsign: every character whose code is above 90 and
// within the 8-bit range gets 32 subtracted (a-z become A-Z). Works on UTF-8 text by character.
std::string LookupUpperCase(std::string_view utf8Text);

}  // namespace velmorant
