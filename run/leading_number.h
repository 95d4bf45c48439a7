// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace velmorant {

// The lenient reading of a number from a text box: blanks and tabs anywhere are ignored, then
// an optional sign, digits, an optional "." with more digits and an optional exponent (E or D)
// are read up to the first other character. "." is always the decimal point, whatever the
// locale. A text without a leading number reads as 0; a number too large for a double reads as
// plus or minus infinity, one too small as 0.
double LeadingNumber(std::string_view text);

}  // namespace velmorant
