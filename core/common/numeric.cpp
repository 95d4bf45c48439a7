// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/numeric.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/common/angles.h"
#include "core/common/constants.h"

namespace velmorant {

double Int(double x) {
    return std::floor(x);
}

double Fix(double x) {
    return std::trunc(x);
}

int Sgn(double x) {
    if (x > 0) {
        return 1;
    }
    if (x < 0) {
        return -1;
    }
    return 0;
}

std::optional<std::int16_t> ToInteger16(double x) {
    if (std::isnan(x)) {
        return std::nullopt;
    }
    // Round half to even by hand, so the result does not depend on the floating-point
    // environment's rounding mode.
    double rounded = std::floor(x);
    const double rest = x - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

float DayNumber(int year, int month, int day) {
    // Every operand is a whole number far below 2^53, so each step is exact in double.
    const double y = year;
    const double m = month;
    const double value = 367.0 * y - Int(7.0 * (y + Int((m + 9.0) / 12.0)) / 4.0) +
                         Int(275.0 * m / 9.0) + day - 676534.0;
    return static_cast<float>(value);
}

std::string_view DayOfWeekName(double dayNumber) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"};
    const double w = (dayNumber + 1.0) - 7.0 * Int(dayNumber / 7.0);
    // The weekday number passes through its text form (15 significant digits) before it is
    // stored as a 16-bit integer; a value a hair below a half thereby rounds up.
    std::array<char, 32> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), w, std::chars_format::general, 15);
    double reread = w;
    if (written.ec == std::errc()) {
        std::from_chars(text.data(), written.ptr, reread);
    }
    const std::optional<std::int16_t> index = ToInteger16(reread);
    if (!index || *index < 1 || *index > 7) {
        return kNames[0];
    }
    return kNames[static_cast<std::size_t>(*index - 1)];
}

double RevolutionsToRadians(double revolutions) {
    return WrapPeriodByFloor(revolutions, 1) * TwoPi;
}

float RoundedDegrees(double radians) {
    return static_cast<float>(Int(radians * (360.0 / TwoPi) * 10.0 + 0.5) / 10.0);
}

double RoundToStep(double value, int stepsPerUnit) {
    return Int(value * stepsPerUnit + 0.5) / stepsPerUnit;
}

double Log10(double value) {
    return std::log(value) / std::log(10.0);
}

double ArcTan2(double y, double x) {
    if (x == 0.0) {
        // Straight up or down the y axis (an object due east or west, antipodal stations):
        // a quarter turn of the program's Pi with the sign of y; the origin itself gives 0.
        return Sgn(y) * (Pi / 2.0);
    }
    if (y == 0.0 && x < 0.0) {
        // The negative x axis is half a turn. The correction below carries the principal
        // value half a turn toward the side of y, and y = 0 has no side: it would give 0,
        // pointing an object due south to the north.
        return Pi;
    }
    // For x < 0, Fix(Sgn(x) - 0.5) is -1 and the principal value is carried half a turn
    // toward the side of y.
    return std::atan(y / x) - Sgn(y) * Pi * Fix(Sgn(x) - 0.5);
}

}  // namespace velmorant
