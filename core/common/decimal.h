// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// Numbers read from the program's data files, where a field must hold one number and nothing
// else.

namespace velmorant {

// The whole text as std::from_chars reads a double (chars_format::general): an optional '-',
// digits with an optional point, an optional exponent; also "inf", "infinity" and "nan". No
// '+', no blanks. Empty when anything is left over or the value is beyond a double.
std::optional<double> WholeTextNumber(std::string_view text);

// The whole text as a whole number in int's range: an optional '-' and digits, nothing else
// (no '+', no blanks, no point). Empty otherwise.
std::optional<int> WholeTextInteger(std::string_view text);

// Whether a '+' may be followed by a '-' ("+-5" reads as -5).
enum class PlusBeforeMinus { Refused, Accepted };

// A plain decimal number filling the whole field: an optional '+' or '-', digits with an
// optional point, an optional exponent; no "inf" or "nan", no blanks. Empty when the field
// holds anything else or a value beyond a double.
std::optional<double> StrictDecimal(std::string_view field,
                                    PlusBeforeMinus plusBeforeMinus = PlusBeforeMinus::Refused);

}  // namespace velmorant
