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
    std::string digits;
    std::size_t point = 0;
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
        decimal.point = text.size();
        decimal.digits = std::move(text);
    } else {
        decimal.point = dot;
        decimal.digits = text.substr(0, dot) + text.substr(dot + 1);
    }
    return decimal;
}

// Keeps the first `keep` digits, rounding half away from zero on what is dropped. Digits that
// stood before the point are kept as zeros, so the point does not move.
void RoundDigits(DecimalDigits& decimal, std::size_t keep) {
    if (keep >= decimal.digits.size()) {
        return;
    }
    const bool up = decimal.digits[keep] >= '5';
    decimal.digits.resize(keep);
    if (up) {
        std::size_t i = keep;
        bool carried = false;
        while (i > 0) {
            --i;
            if (decimal.digits[i] == '9') {
                decimal.digits[i] = '0';
            } else {
                ++decimal.digits[i];
                carried = true;
                break;
            }
        }
        if (!carried) {
            decimal.digits.insert(decimal.digits.begin(), '1');
            ++decimal.point;
        }
    }
    if (decimal.digits.size() < decimal.point) {
        decimal.digits.resize(decimal.point, '0');
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
    bool negative = false;
    std::string whole;
    std::string fraction;
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
    number.whole = WithoutLeadingZeros(std::string_view(digits).substr(0, point));
    number.fraction = digits.substr(point);
    number.negative = value < 0 && rounded != 0;
    return true;
}

RoundedNumber Round(double value, int decimals) {
    decimals = std::max(decimals, 0);
    RoundedNumber number;
    if (!std::isfinite(value)) {
        number.negative = std::isinf(value) && value < 0;
        number.whole = std::isnan(value) ? "nan" : "inf";
        return number;
    }
    if (FastRound(value, decimals, number)) {
        return number;
    }
    DecimalDigits decimal = ExactDigits(std::fabs(value), decimals + 1);
    RoundDigits(decimal, decimal.point + static_cast<std::size_t>(decimals));
    const std::string_view digits = decimal.digits;
    number.whole = WithoutLeadingZeros(digits.substr(0, decimal.point));
    number.fraction = std::string(digits.substr(decimal.point));
    const bool zero =
        number.whole.empty() && number.fraction.find_first_not_of('0') == std::string::npos;
    number.negative = value < 0 && !zero;
    return number;
}

std::string Sign(const RoundedNumber& number) {
    return number.negative ? "-" : "";
}

std::string WholeOrZero(const RoundedNumber& number) {
    return number.whole.empty() ? std::string("0") : number.whole;
}

std::string PointAndFraction(const RoundedNumber& number) {
    return number.fraction.empty() ? std::string() : "." + number.fraction;
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

}  // namespace

std::string FormatWhole(double value) {
    const RoundedNumber number = Round(value, 0);
    return Sign(number) + WholeOrZero(number);
}

std::string FormatWholeBlankZero(double value) {
    const RoundedNumber number = Round(value, 0);
    return number.whole.empty() ? std::string() : Sign(number) + number.whole;
}

std::string FormatGroupedWhole(double value) {
    const RoundedNumber number = Round(value, 0);
    return " " + Sign(number) + (number.whole.empty() ? "0" : Grouped(number.whole));
}

std::string FormatGroupedOneDecimal(double value) {
    const RoundedNumber number = Round(value, 1);
    return " " + Sign(number) + Grouped(number.whole) + PointAndFraction(number);
}

std::string FormatTwoDecimals(double value) {
    const RoundedNumber number = Round(value, 2);
    return " " + Sign(number) + number.whole + PointAndFraction(number);
}

std::string FormatDays(double value) {
    const RoundedNumber number = Round(value, 0);
    return (number.negative ? "-" : "+") + WholeOrZero(number) + " DAYS";
}

std::string_view FormatFixedInto(NumberText& buffer, double value, int decimals) {
    std::uint64_t rounded = 0;
    if (decimals <= 6 && FastRoundedInteger(value, decimals, rounded)) {
        // Built from the right: fraction digits, the point, the grouped whole digits, the sign.
        char* const last = buffer.chars + sizeof buffer.chars;
        char* first = last;
        const bool negative = value < 0 && rounded != 0;
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
        if (negative) {
            *--first = '-';
        }
        return std::string_view(first, static_cast<std::size_t>(last - first));
    }
    buffer.longer = FormatFixed(value, decimals);
    return buffer.longer;
}

std::string FormatFixed(double value, int decimals) {
    std::uint64_t rounded = 0;
    if (decimals <= 6 && FastRoundedInteger(value, decimals, rounded)) {
        NumberText buffer;
        return std::string(FormatFixedInto(buffer, value, decimals));
    }
    const RoundedNumber number = Round(value, decimals);
    return Sign(number) + (number.whole.empty() ? "0" : Grouped(number.whole)) +
           PointAndFraction(number);
}

std::string NumberItem(double value) {
    if (!std::isfinite(value)) {
        return (value < 0 ? "-" : " ") + FormatWhole(std::fabs(value)) + " ";
    }
    DecimalDigits decimal = ExactDigits(std::fabs(value), 0);
    const std::size_t firstSignificant = decimal.digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return " 0 ";
    }
    RoundDigits(decimal, firstSignificant + 15);
    const std::string_view digits = decimal.digits;
    const std::string whole = WithoutLeadingZeros(digits.substr(0, decimal.point));
    std::string fraction(digits.substr(decimal.point));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return (value < 0 ? "-" : " ") + (whole.empty() ? std::string("0") : whole) +
           (fraction.empty() ? "" : "." + fraction) + " ";
}

}  // namespace velmorant
