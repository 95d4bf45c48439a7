// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Following WSJT-X: whether VELMORANT listens to its UDP messages, and where (WSJT-X's "UDP
// Server" setting: an address of this computer, or a multicast group shared with other
// listeners). Kept in VELMORANT.INI, group [WSJTX], read as [Rotator] is.

namespace velmorant {

struct WsjtxSettings {
    bool Enabled = false;
    std::string Address = "127.0.0.1";  // WSJT-X's own default
    int Port = 2237;                    // likewise
};

inline constexpr std::string_view kWsjtxGroup = "WSJTX";

struct WsjtxSettingsReading {
    WsjtxSettings Settings;
    std::vector<std::string> Problems;
};
WsjtxSettingsReading ReadWsjtxSettings(const std::map<std::string, std::string>& values);

// What is wrong with typed settings, in a sentence naming the field; none when they can be kept.
std::optional<std::string> WsjtxSettingsProblem(const WsjtxSettings& settings);

std::map<std::string, std::string> WsjtxSettingsValues(const WsjtxSettings& settings);

}  // namespace velmorant
