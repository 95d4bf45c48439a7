// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/report_numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace velmorant {

namespace {

// Decimal digits of a non-negative finite double, integer part first: the value is
// digits[0, point) "." digits[point, end).
struct DecimalDigits {
    std::string Digits;
    std::size_t Point = 0;
};

// How many fraction digits the exact decimal expansion of a non-negative finite double has:
// a value m * 2^-n with m odd needs exactly n of them.
int ExactFractionDigits(double magnitude) {
    if (magnitude == 0.0) {
        return 0;
    }
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    // magnitude = mantissa * 2^(exponent - 53), mantissa a whole number below 2^53.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    return std::max(0, 53 - exponent - std::countr_zero(mantissa));
}

// The exact decimal value of a non-negative finite double, with at least minFractionDigits
// fraction digits. Asking to_chars for every digit the value has means it never rounds, so the
// rounding below sees the true binary value, ties included.
DecimalDigits ExactDigits(double magnitude, int minFractionDigits) {
    const int precision = std::max(ExactFractionDigits(magnitude), minFractionDigits);
    // Up to 309 integer digits, the point and the fraction digits.
    std::string text(static_cast<std::size_t>(precision) + 320, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::fixed, precision);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));

    DecimalDigits decimal;
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos) {
        decimal.Point = text.size();
        decimal.Digits = std::move(text);
    } else {
        decimal.Point = dot;
        decimal.Digits = text.substr(0, dot) + text.substr(dot + 1);
    }
    return decimal;
}

// Keeps the first `keep` digits, rounding half away from zero on what is dropped. Digits that
// stood before the point are kept as zeros, so the point does not move.
void RoundDigits(DecimalDigits& decimal, std::size_t keep) {
    if (keep >= decimal.Digits.size()) {
        return;
    }
    const bool up = decimal.Digits[keep] >= '5';
    decimal.Digits.resize(keep);
    if (up) {
        std::size_t i = keep;
        bool carried = false;
        while (i > 0) {
            --i;
            if (decimal.Digits[i] == '9') {
                decimal.Digits[i] = '0';
            } else {
                ++decimal.Digits[i];
                carried = true;
                break;
            }
        }
        if (!carried) {
            decimal.Digits.insert(decimal.Digits.begin(), '1');
            ++decimal.Point;
        }
    }
    if (decimal.Digits.size() < decimal.Point) {
        decimal.Digits.resize(decimal.Point, '0');
    }
}

std::string WithoutLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(digits.substr(first));
}

// A value rounded to a number of decimals, split for the patterns: the integer digits without
// leading zeros (empty for 0) and exactly `decimals` fraction digits. A value that rounds to zero
// is not negative, so no pattern ever shows "-0". Infinities and NaN come out as the words inf
// and nan with no fraction.
struct RoundedNumber {
    bool Negative = false;
    std::string Whole;
    std::string Fraction;
};

// The common case without building the exact expansion: when the scaled value is far from a
// tie, rounding the product is the same as rounding the exact value. Values near a tie, and
// values too large for the margin to hold, take the exact path. Sets `rounded` to the magnitude
// times 10^decimals, rounded, and returns true when it decided.
bool FastRoundedInteger(double value, int decimals, std::uint64_t& rounded) {
    static constexpr double Powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals < 0 || decimals > 6) {
        return false;
    }
    const double scaled = std::fabs(value) * Powers[decimals];
    // Below 2^33 the product's error is under 1e-6 of a unit, far inside the margin.
    if (!(scaled < 8.0e9)) {
        return false;
    }
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-6) {
        return false;
    }
    rounded = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1u : 0u);
    return true;
}

// The same decision, split for the patterns. Fills `number` and returns true when it decided.
bool FastRound(double value, int decimals, RoundedNumber& number) {
    std::uint64_t rounded = 0;
    if (!FastRoundedInteger(value, decimals, rounded)) {
        return false;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, rounded).ptr;
    std::string digits(buffer, end);
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
    number.Whole = WithoutLeadingZeros(std::string_view(digits).substr(0, point));
    number.Fraction = digits.substr(point);
    number.Negative = value < 0 && rounded != 0;
    return true;
}

RoundedNumber Round(double value, int decimals) {
    decimals = std::max(decimals, 0);
    RoundedNumber number;
    if (!std::isfinite(value)) {
        number.Negative = std::isinf(value) && value < 0;
        number.Whole = std::isnan(value) ? "nan" : "inf";
        return number;
    }
    if (FastRound(value, decimals, number)) {
        return number;
    }
    DecimalDigits decimal = ExactDigits(std::fabs(value), decimals + 1);
    RoundDigits(decimal, decimal.Point + static_cast<std::size_t>(decimals));
    const std::string_view digits = decimal.Digits;
    number.Whole = WithoutLeadingZeros(digits.substr(0, decimal.Point));
    number.Fraction = std::string(digits.substr(decimal.Point));
    const bool zero =
        number.Whole.empty() && number.Fraction.find_first_not_of('0') == std::string::npos;
    number.Negative = value < 0 && !zero;
    return number;
}

std::string Sign(const RoundedNumber& number) {
    return number.Negative ? "-" : "";
}

std::string WholeOrZero(const RoundedNumber& number) {
    return number.Whole.empty() ? std::string("0") : number.Whole;
}

std::string PointAndFraction(const RoundedNumber& number) {
    return number.Fraction.empty() ? std::string() : "." + number.Fraction;
}

// Commas between thousands: "1234567" becomes "1,234,567".
std::string Grouped(std::string_view digits) {
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

// Writes `rounded` / 10^decimals backwards ending at `last`: the fraction digits, the point, the
// whole digits with commas between thousands. Returns the first character written.
template <typename Unsigned>
char* WriteDigits(Unsigned rounded, int decimals, char* last) {
    char* first = last;
    for (int i = 0; i < decimals; ++i) {
        *--first = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    }
    if (decimals > 0) {
        *--first = '.';
    }
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0) {
            *--first = ',';
        }
        *--first = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
        ++count;
    } while (rounded > 0);
    return first;
}

}  // namespace

std::string FormatWhole(double value) {
    const RoundedNumber number = Round(value, 0);
    return Sign(number) + WholeOrZero(number);
}

std::string FormatWholeBlankZero(double value) {
    const RoundedNumber number = Round(value, 0);
    return number.Whole.empty() ? std::string() : Sign(number) + number.Whole;
}

std::string FormatGroupedWhole(double value) {
    const RoundedNumber number = Round(value, 0);
    return " " + Sign(number) + (number.Whole.empty() ? "0" : Grouped(number.Whole));
}

std::string FormatGroupedOneDecimal(double value) {
    const RoundedNumber number = Round(value, 1);
    return " " + Sign(number) + Grouped(number.Whole) + PointAndFraction(number);
}

std::string FormatTwoDecimals(double value) {
    const RoundedNumber number = Round(value, 2);
    return " " + Sign(number) + number.Whole + PointAndFraction(number);
}

std::string FormatDays(double value) {
    const RoundedNumber number = Round(value, 0);
    return (number.Negative ? "-" : "+") + WholeOrZero(number) + " DAYS";
}

std::string_view FormatFixedInto(NumberText& buffer, double value, int decimals) {
    std::uint64_t rounded = 0;
    if (decimals <= 6 && FastRoundedInteger(value, decimals, rounded)) {
        // Built from the right: fraction digits, the point, the grouped whole digits, the sign.
        char* const last = buffer.chars + sizeof buffer.chars;
        const bool negative = value < 0 && rounded != 0;
        // The report's numbers are small: 32-bit division is the cheaper one where it serves.
        char* first = rounded <= UINT32_MAX
                          ? WriteDigits(static_cast<std::uint32_t>(rounded), decimals, last)
                          : WriteDigits(rounded, decimals, last);
        if (negative) {
            *--first = '-';
        }
        return std::string_view(first, static_cast<std::size_t>(last - first));
    }
    buffer.Longer = FormatFixed(value, decimals);
    return buffer.Longer;
}

std::string FormatFixed(double value, int decimals) {
    std::uint64_t rounded = 0;
    if (decimals <= 6 && FastRoundedInteger(value, decimals, rounded)) {
        NumberText buffer;
        return std::string(FormatFixedInto(buffer, value, decimals));
    }
    const RoundedNumber number = Round(value, decimals);
    return Sign(number) + (number.Whole.empty() ? "0" : Grouped(number.Whole)) +
           PointAndFraction(number);
}

std::string NumberItem(double value) {
    if (!std::isfinite(value)) {
        return (value < 0 ? "-" : " ") + FormatWhole(std::fabs(value)) + " ";
    }
    DecimalDigits decimal = ExactDigits(std::fabs(value), 0);
    const std::size_t firstSignificant = decimal.Digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return " 0 ";
    }
    RoundDigits(decimal, firstSignificant + 15);
    const std::string_view digits = decimal.Digits;
    const std::string whole = WithoutLeadingZeros(digits.substr(0, decimal.Point));
    std::string fraction(digits.substr(decimal.Point));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return (value < 0 ? "-" : " ") + (whole.empty() ? std::string("0") : whole) +
           (fraction.empty() ? "" : "." + fraction) + " ";
}

}  // namespace velmorant
