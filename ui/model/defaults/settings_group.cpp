// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/settings_group.h"

#include "core/common/decimal.h"

namespace velmorant {

std::string_view TrimmedSetting(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<bool> SettingFlag(std::string_view text) {
    text = TrimmedSetting(text);
    if (text == "true" || text == "1") {
        return true;
    }
    if (text == "false" || text == "0") {
        return false;
    }
    return std::nullopt;
}

std::optional<std::string> SettingHost(std::string_view text) {
    text = TrimmedSetting(text);
    if (text.empty() || text.find_first_of(" \t\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(text);
}

std::optional<double> SettingNumberWithin(std::string_view text, double low, double high) {
    const auto value = StrictDecimal(TrimmedSetting(text));
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

std::optional<int> SettingWholeNumberWithin(std::string_view text, int low, int high) {
    const auto value = WholeTextInteger(TrimmedSetting(text));
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

std::optional<int> SettingPort(std::string_view text) {
    return SettingWholeNumberWithin(text, kLowestPort, kHighestPort);
}

}  // namespace velmorant
