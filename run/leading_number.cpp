#include "run/leading_number.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace velmorant {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
    // An exponent counts only when at least one digit follows it ("1e" reads as 1).
    if (pos < compact.size() && (compact[pos] == 'e' || compact[pos] == 'E' ||
                                 compact[pos] == 'd' || compact[pos] == 'D')) {
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
        if (expPos > expDigits) {
            number += exponent;
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves value untouched: tell overflow from underflow by the exponent sign.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

}  // namespace velmorant
