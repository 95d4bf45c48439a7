// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/decimal.h"

#include <charconv>

namespace velmorant {

std::optional<double> WholeTextNumber(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> WholeTextInteger(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> StrictDecimal(std::string_view field, PlusBeforeMinus plusBeforeMinus) {
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
        if (plusBeforeMinus == PlusBeforeMinus::Refused && !field.empty() && field.front() == '-') {
            return std::nullopt;
        }
    }
    if (field.empty()) {
        return std::nullopt;
    }
    // Accept only what starts like a decimal number (no "inf" or "nan").
    const char first = field.front() == '-' && field.size() > 1 ? field[1] : field.front();
    if (!(first == '.' || (first >= '0' && first <= '9'))) {
        return std::nullopt;
    }
    return WholeTextNumber(field);
}

}  // namespace velmorant
