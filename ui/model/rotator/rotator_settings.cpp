// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/rotator/rotator_settings.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <system_error>

#include "ui/model/defaults/settings_group.h"

namespace velmorant {

namespace {

// The keys of the [Rotator] group.
constexpr const char* kEnabledKey = "Enabled";
constexpr const char* kHostKey = "Host";
constexpr const char* kPortKey = "Port";
constexpr const char* kStationKey = "Station";
constexpr const char* kFloorKey = "ElevationFloor";
constexpr const char* kRangeMinKey = "ElevationMin";
constexpr const char* kRangeMaxKey = "ElevationMax";
constexpr const char* kMoveKey = "Move";
constexpr const char* kLastSecondsKey = "LastSeconds";
constexpr const char* kThresholdKey = "Threshold";

auto NumberWithin(double low, double high) {
    return [low, high](std::string_view text) { return SettingNumberWithin(text, low, high); };
}

auto WholeNumberWithin(int low, int high) {
    return [low, high](std::string_view text) { return SettingWholeNumberWithin(text, low, high); };
}

std::optional<RotatorStation> Station(std::string_view text) {
    text = TrimmedSetting(text);
    if (text == "Home") {
        return RotatorStation::Home;
    }
    if (text == "DX") {
        return RotatorStation::DX;
    }
    return std::nullopt;
}

constexpr const char* kRuleNames[] = {"EachMinute", "LastSeconds", "Threshold", "WithWsjtx"};

std::optional<RotatorMoveRule> Rule(std::string_view text) {
    text = TrimmedSetting(text);
    for (int i = 0; i < static_cast<int>(std::size(kRuleNames)); ++i) {
        if (text == kRuleNames[i]) {
            return static_cast<RotatorMoveRule>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string FixedText(double value, int decimals) {
    // Room for any double in fixed notation: up to 309 digits before the point.
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        return "0";
    }
    std::string text(buffer, end);
    // "-0.00" says nothing a reader needs.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') {
        text.erase(0, 1);
    }
    return text;
}

RotatorSettingsReading ReadRotatorSettings(const std::map<std::string, std::string>& values) {
    RotatorSettingsReading reading;
    RotatorSettings& s = reading.Settings;
    const RotatorSettings defaults;
    SettingsGroupReader group(kRotatorGroup, values, reading.Problems);
    group.Read(kEnabledKey, s.Enabled, SettingFlag, "true or false", "false");
    group.Read(kHostKey, s.Host, SettingHost, "a host name or address", defaults.Host);
    group.Read(kPortKey, s.Port, SettingPort, kPortMeaning, std::to_string(defaults.Port));
    group.Read(kStationKey, s.Station, Station, "Home or DX", "Home");
    const auto elevation = NumberWithin(kLowestSettingElevationDeg, kHighestSettingElevationDeg);
    const std::string degrees = "degrees from -90 to 180";
    group.Read(kFloorKey, s.ElevationFloorDeg, NumberWithin(-90.0, 90.0), "degrees from -90 to 90",
               "0");
    group.Read(kRangeMinKey, s.ElevationRangeMinDeg, elevation, degrees, "0");
    group.Read(kRangeMaxKey, s.ElevationRangeMaxDeg, elevation, degrees, "90");
    if (s.ElevationRangeMinDeg > s.ElevationRangeMaxDeg) {
        group.Problem(kRangeMaxKey, FixedText(s.ElevationRangeMaxDeg, 2),
                      "at or above ElevationMin=" + FixedText(s.ElevationRangeMinDeg, 2),
                      "0 to 90");
        s.ElevationRangeMinDeg = defaults.ElevationRangeMinDeg;
        s.ElevationRangeMaxDeg = defaults.ElevationRangeMaxDeg;
    }
    group.Read(kMoveKey, s.MoveRule, Rule, "EachMinute, LastSeconds, Threshold or WithWsjtx",
               "EachMinute");
    group.Read(kLastSecondsKey, s.LastSeconds,
               WholeNumberWithin(kFewestLastSeconds, kMostLastSeconds), "seconds from 1 to 59",
               "10");
    group.Read(kThresholdKey, s.ThresholdDeg,
               NumberWithin(kSmallestThresholdDeg, kLargestThresholdDeg), "degrees from 0.01 to 90",
               "1.0");
    return reading;
}

std::optional<std::string> RotatorSettingsProblem(const RotatorSettings& s) {
    if (!SettingHost(s.Host)) {
        return "rotctld host: give an address or a host name without blanks.";
    }
    if (s.ElevationRangeMinDeg > s.ElevationRangeMaxDeg) {
        return "Rotator elevation range: the lowest elevation must not be above the highest.";
    }
    return std::nullopt;
}

std::map<std::string, std::string> RotatorSettingsValues(const RotatorSettings& s) {
    return {
        {kEnabledKey, s.Enabled ? "true" : "false"},
        {kHostKey, s.Host},
        {kPortKey, std::to_string(s.Port)},
        {kStationKey, s.Station == RotatorStation::DX ? "DX" : "Home"},
        {kFloorKey, FixedText(s.ElevationFloorDeg, 2)},
        {kRangeMinKey, FixedText(s.ElevationRangeMinDeg, 2)},
        {kRangeMaxKey, FixedText(s.ElevationRangeMaxDeg, 2)},
        {kMoveKey, kRuleNames[static_cast<int>(s.MoveRule)]},
        {kLastSecondsKey, std::to_string(s.LastSeconds)},
        {kThresholdKey, FixedText(s.ThresholdDeg, 2)},
    };
}

std::optional<HamlibAddress> ParseHamlibAddress(std::string_view text) {
    text = TrimmedSetting(text);
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view host = text.substr(0, colon);
    // An IPv6 address is written in brackets, so that its own colons are not the port's.
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string_view::npos) {
        return std::nullopt;
    }
    const auto port = SettingPort(text.substr(colon + 1));
    const auto name = SettingHost(host);
    if (!port || !name || text.substr(colon + 1).find_first_of(" +-") != std::string_view::npos) {
        return std::nullopt;
    }
    return HamlibAddress{*name, *port};
}

}  // namespace velmorant
