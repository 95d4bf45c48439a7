// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/planning/date_rules.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/common/decimal.h"

namespace velmorant {

namespace {

std::string_view WithoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

int ClampDayToMonth(int month, int day, int year) {
    const int length = DaysInMonth(year, month >= 1 && month <= 12 ? month : 2);
    // The months of 31 days keep the day as typed: the day list never offers more than 31.
    if (length < 31 && day > length) {
        return length;
    }
    return day;
}

int TypedDateItem(const std::vector<std::string>& items, std::string_view typed) {
    const std::string_view text = WithoutBlanks(typed);
    if (text.empty()) {
        return -1;
    }
    const int count = static_cast<int>(items.size());
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
        // Digits only (no sign); leading zeros read as nothing, a number beyond int names none.
        const std::optional<int> number = WholeTextInteger(text);
        return number && *number >= 1 && *number <= count ? *number - 1 : -1;
    }
    for (int i = 0; i < count; ++i) {
        if (SameLetters(WithoutBlanks(items[static_cast<std::size_t>(i)]), text)) {
            return i;
        }
    }
    return -1;
}

}  // namespace velmorant
