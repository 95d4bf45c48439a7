// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/stored_numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace velmorant {

namespace {

template <typename Real>
std::string PlainDecimal(Real value) {
    if (!std::isfinite(value) || value == 0) {
        return "0";
    }
    // Large enough for any float or double in fixed notation (up to 309 integer digits, or a
    // denormal's leading zeros).
    std::array<char, 1100> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    if (error != std::errc()) {
        return "0";
    }
    return std::string(buffer.data(), end);
}

}  // namespace

float ToSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        const float infinity = std::numeric_limits<float>::infinity();
        return value > 0 ? infinity : -infinity;
    }
    return static_cast<float>(value);
}

std::string SingleText(float value) {
    return PlainDecimal(value);
}

std::string DoubleText(double value) {
    return PlainDecimal(value);
}

}  // namespace velmorant
