// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/report_fields.h"

#include <optional>

#include "core/common/decimal.h"
#include "core/common/utf8.h"
#include "run/report/report_text.h"

namespace velmorant {

std::string BandText(std::string_view band) {
    std::string_view trimmed = band;
    while (!trimmed.empty() && trimmed.front() == ' ') {
        trimmed.remove_prefix(1);
    }
    while (!trimmed.empty() && trimmed.back() == ' ') {
        trimmed.remove_suffix(1);
    }
    const std::optional<double> value = WholeTextNumber(trimmed);
    if (!value) {
        return std::string(band);
    }
    return FormatWhole(*value);
}

std::string FirstCharacters(std::string_view utf8Text, int count) {
    // A negative count, as a huge size, keeps the whole text.
    return std::string(
        utf8Text.substr(0, LeadingCharactersLength(utf8Text, static_cast<std::size_t>(count))));
}

}  // namespace velmorant
