// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/wsjtx/wsjtx_settings.h"

#include "ui/model/defaults/settings_group.h"
#include "ui/model/rotator/rotator_settings.h"

namespace velmorant {

namespace {

constexpr const char* kEnabledKey = "Enabled";
constexpr const char* kAddressKey = "Address";
constexpr const char* kPortKey = "Port";

}  // namespace

WsjtxSettingsReading ReadWsjtxSettings(const std::map<std::string, std::string>& values) {
    WsjtxSettingsReading reading;
    WsjtxSettings& s = reading.Settings;
    const WsjtxSettings defaults;
    SettingsGroupReader group(kWsjtxGroup, values, reading.Problems);
    group.Read(kEnabledKey, s.Enabled, SettingFlag, "true or false", "false");
    group.Read(kAddressKey, s.Address, SettingHost, "an address", defaults.Address);
    group.Read(kPortKey, s.Port, SettingPort, kPortMeaning, std::to_string(defaults.Port));
    return reading;
}

std::optional<std::string> WsjtxSettingsProblem(const WsjtxSettings& s) {
    if (!SettingHost(s.Address)) {
        return "WSJT-X address: give the address of its UDP server without blanks.";
    }
    return std::nullopt;
}

std::map<std::string, std::string> WsjtxSettingsValues(const WsjtxSettings& s) {
    return {{kEnabledKey, s.Enabled ? "true" : "false"},
            {kAddressKey, s.Address},
            {kPortKey, std::to_string(s.Port)}};
}

}  // namespace velmorant
