// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/leading_number.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace velmorant {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a number written as digits, an optional "." with digits and an optional exponent
// ("e", sign, digits), which is too large or too small for a double, is too large: its decimal
// order of magnitude (that of its first non-zero digit) is then positive.
bool BeyondTheLargest(std::string_view number) {
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t at = e + 1;
        const bool negative = at < number.size() && number[at] == '-';
        if (at < number.size() && (number[at] == '-' || number[at] == '+')) {
            ++at;
        }
        for (; at < number.size(); ++at) {
            // Saturates: any exponent of more than a million decides alone.
            exponent = std::min(exponent * 10 + (number[at] - '0'), 1'000'000'000LL);
        }
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos) {
        return false;  // zero (not reached: zero is never out of range)
    }
    const long long magnitude = firstNonZero < point
                                    ? static_cast<long long>(point - firstNonZero) - 1
                                    : -static_cast<long long>(firstNonZero - point);
    return magnitude + exponent > 0;
}

// The exponent that starts at `pos` ("e", "E", "d" or "D", a sign, digits) written as "e",
// sign, digits; empty when none starts there. It counts only when at least one digit follows the
// letter ("1e" reads as 1).
std::string ExponentAt(const std::string& compact, std::size_t pos) {
    if (pos >= compact.size() || (compact[pos] != 'e' && compact[pos] != 'E' &&
                                  compact[pos] != 'd' && compact[pos] != 'D')) {
        return {};
    }
    std::size_t expPos = pos + 1;
    std::string exponent = "e";
    if (expPos < compact.size() && (compact[expPos] == '+' || compact[expPos] == '-')) {
        exponent.push_back(compact[expPos]);
        ++expPos;
    }
    const std::size_t expDigits = expPos;
    while (expPos < compact.size() && IsDigit(compact[expPos])) {
        exponent.push_back(compact[expPos]);
        ++expPos;
    }
    return expPos > expDigits ? exponent : std::string();
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
            compact.push_back(c);
        }
    }

    std::size_t pos = 0;
    bool negative = false;
    if (pos < compact.size() && (compact[pos] == '+' || compact[pos] == '-')) {
        negative = compact[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    bool anyDigit = false;
    while (pos < compact.size() && IsDigit(compact[pos])) {
        ++pos;
        anyDigit = true;
    }
    if (pos < compact.size() && compact[pos] == '.') {
        ++pos;
        while (pos < compact.size() && IsDigit(compact[pos])) {
            ++pos;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    std::string number = compact.substr(mantissaStart, pos - mantissaStart);
    number += ExponentAt(compact, pos);

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves value untouched: tell overflow from underflow by the magnitude.
        value = BeyondTheLargest(number) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

}  // namespace velmorant
