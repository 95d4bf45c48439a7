// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station_fields.h"

namespace velmorant {

std::string_view RightTrimmed(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

LineFields SplitAtCommas(std::string_view line) {
    LineFields fields;
    const std::size_t first = line.find(',');
    if (first == std::string_view::npos) {
        return fields;
    }
    fields.HasFirstComma = true;
    fields.Callsign = line.substr(0, first);
    const std::size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos) {
        return fields;
    }
    fields.HasSecondComma = true;
    fields.Locator = RightTrimmed(line.substr(first + 1, second - first - 1));
    fields.Rest = line.substr(second + 1);
    return fields;
}

std::string DeliveredLocator(std::string_view trimmedLocator) {
    std::string locator(trimmedLocator);
    if (locator.size() == kShortestLocator) {
        locator += "mm";
    }
    return locator;
}

std::string DeliveredNotes(std::string_view rest) {
    return std::string(RightTrimmed(rest).substr(0, kNotesLength));
}

}  // namespace velmorant
