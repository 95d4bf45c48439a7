// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Small field texts shared by both report forms.

namespace velmorant {

// The band as the headers print it ("####"): a numeric text as its rounded number, any other
// text unchanged.
std::string BandText(std::string_view band);

// The first `count` characters (code points) of a UTF-8 text.
std::string FirstCharacters(std::string_view utf8Text, int count);

}  // namespace velmorant
