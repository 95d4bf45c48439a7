// SPDX-License-Identifier: GPL-3.0-or-later
// The lenient number of a text box on any text: never NaN, the sign the text gives, and
// infinity only for a number that does not fit a double.

#include <cmath>

#include "run/leading_number.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = velmorant::LeadingNumber(text);
    FUZZ_REQUIRE(!std::isnan(value));

    // The first character that counts, and the digits before the point that are not leading
    // zeros.
    std::size_t pos = 0;
    while (pos < text.size() && IsIgnored(text[pos])) {
        ++pos;
    }
    const bool minus = pos < text.size() && text[pos] == '-';
    if (minus || (pos < text.size() && text[pos] == '+')) {
        ++pos;
    }
    std::size_t wholeDigits = 0;
    for (; pos < text.size() && (IsIgnored(text[pos]) || (text[pos] >= '0' && text[pos] <= '9'));
         ++pos) {
        if (!IsIgnored(text[pos]) && (text[pos] != '0' || wholeDigits > 0)) {
            ++wholeDigits;
        }
    }

    if (value < 0 || std::signbit(value)) {
        FUZZ_REQUIRE(minus);
    }
    if (value > 0) {
        FUZZ_REQUIRE(!minus);
    }
    // Without an exponent a number reaches infinity only with more than 308 whole digits.
    if (std::isinf(value) && text.find_first_of("eEdD") == std::string_view::npos) {
        FUZZ_REQUIRE(wholeDigits > 308);
    }
    return 0;
}
