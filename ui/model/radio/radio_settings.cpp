// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/radio/radio_settings.h"

#include <cmath>

#include "ui/model/defaults/settings_group.h"
#include "ui/model/radio/radio_status.h"
#include "ui/model/radio/rigctld_protocol.h"
#include "ui/model/rotator/rotator_settings.h"

namespace velmorant {

namespace {

// The keys of the [Radio] group.
constexpr const char* kEnabledKey = "Enabled";
constexpr const char* kHostKey = "Host";
constexpr const char* kPortKey = "Port";
constexpr const char* kSkyKey = "SkyFrequency";
constexpr const char* kModeKey = "Mode";
constexpr const char* kOffsetKey = "TransverterOffset";
constexpr const char* kSplitKey = "Split";
constexpr const char* kStepKey = "Step";

constexpr const char* kModeNames[] = {"Off", "OwnEcho", "FullDx", "ConstantOnMoon"};

std::optional<DopplerTuningMode> Mode(std::string_view text) {
    text = TrimmedSetting(text);
    for (int i = 0; i < 4; ++i) {
        if (text == kModeNames[i]) {
            return static_cast<DopplerTuningMode>(i);
        }
    }
    return std::nullopt;
}

std::optional<RadioSplit> Split(std::string_view text) {
    text = TrimmedSetting(text);
    if (text == "radio") {
        return RadioSplit::Radio;
    }
    if (text == "none") {
        return RadioSplit::None;
    }
    return std::nullopt;
}

}  // namespace

RadioSettingsReading ReadRadioSettings(const std::map<std::string, std::string>& values) {
    RadioSettingsReading reading;
    RadioSettings& s = reading.Settings;
    const RadioSettings defaults;
    SettingsGroupReader group(kRadioGroup, values, reading.Problems);
    group.Read(kEnabledKey, s.Enabled, SettingFlag, "true or false", "false");
    group.Read(kHostKey, s.Host, SettingHost, "a host name or address", defaults.Host);
    group.Read(kPortKey, s.Port, SettingPort, kPortMeaning, std::to_string(defaults.Port));
    group.Read(
        kSkyKey, s.SkyFrequencyHz,
        [](std::string_view text) {
            return SettingNumberWithin(text, 1, kHighestRadioFrequencyHz);
        },
        "hertz from 1 to 1000000000000", HertzText(defaults.SkyFrequencyHz));
    group.Read(kModeKey, s.Mode, Mode, "Off, OwnEcho, FullDx or ConstantOnMoon", "OwnEcho");
    group.Read(
        kOffsetKey, s.TransverterOffsetHz,
        [](std::string_view text) {
            return SettingNumberWithin(text, -kHighestRadioFrequencyHz, kHighestRadioFrequencyHz);
        },
        "hertz from -1000000000000 to 1000000000000", "0");
    group.Read(kSplitKey, s.Split, Split, "radio or none", "radio");
    group.Read(
        kStepKey, s.StepHz,
        [](std::string_view text) {
            return SettingNumberWithin(text, kSmallestTuningStepHz, kLargestTuningStepHz);
        },
        "hertz from 1 to 100000", "1");
    // Hertz are kept to the millihertz the file is written with, so that what is written reads
    // back the same.
    for (double* hz : {&s.SkyFrequencyHz, &s.TransverterOffsetHz, &s.StepHz}) {
        *hz = std::round(*hz * 1000) / 1000;
    }
    if (!(s.SkyFrequencyHz - s.TransverterOffsetHz > 0)) {
        group.Problem(kOffsetKey, HertzText(s.TransverterOffsetHz),
                      "below SkyFrequency=" + HertzText(s.SkyFrequencyHz), "0");
        s.TransverterOffsetHz = 0;
    }
    return reading;
}

std::optional<std::string> RadioSettingsProblem(const RadioSettings& s) {
    if (!SettingHost(s.Host)) {
        return "rigctld host: give an address or a host name without blanks.";
    }
    if (!(s.SkyFrequencyHz - s.TransverterOffsetHz > 0)) {
        return "Transverter offset: the radio's frequency (sky frequency minus offset) must be "
               "above 0 Hz.";
    }
    return std::nullopt;
}

std::map<std::string, std::string> RadioSettingsValues(const RadioSettings& s) {
    return {
        {kEnabledKey, s.Enabled ? "true" : "false"},
        {kHostKey, s.Host},
        {kPortKey, std::to_string(s.Port)},
        {kSkyKey, HertzText(s.SkyFrequencyHz)},
        {kModeKey, kModeNames[static_cast<int>(s.Mode)]},
        {kOffsetKey, HertzText(s.TransverterOffsetHz)},
        {kSplitKey, s.Split == RadioSplit::None ? "none" : "radio"},
        {kStepKey, HertzText(s.StepHz)},
    };
}

}  // namespace velmorant
