// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/realtime/doppler_tuning.h"
#include "ui/model/radio/radio_tuning.h"

// The operator's radio settings: where rigctld listens, the frequency on the Moon path, how the
// Doppler shift is taken out, the transverter and the radio's split. Kept in VELMORANT.INI,
// group [Radio], as text values; reading them never fails: a bad value falls back to its
// default with a note.

namespace velmorant {

struct RadioSettings {
    bool Enabled = false;
    std::string Host = "127.0.0.1";  // rigctld's address or host name
    int Port = 4532;                 // rigctld's TCP port (its own default)
    // The frequency on the Moon path, hertz (e.g. 1296.100 MHz).
    double SkyFrequencyHz = 1296100000;
    DopplerTuningMode Mode = DopplerTuningMode::OwnEcho;
    // A transverter's offset, hertz: radio frequency = sky frequency - offset (10224 MHz for
    // 10368 MHz on a 144 MHz radio); 0 without one.
    double TransverterOffsetHz = 0;
    RadioSplit Split = RadioSplit::Radio;
    // The smallest change of a frequency worth sending, hertz (at most one tuning a second).
    double StepHz = kDefaultTuningStepHz;
};

// Limits of the values, for the dialog and the file.
inline constexpr double kSmallestTuningStepHz = 1;
inline constexpr double kLargestTuningStepHz = 100000;

// The group of VELMORANT.INI the settings live in.
inline constexpr std::string_view kRadioGroup = "Radio";

// The settings read from the text values of the [Radio] group (key -> text), as
// ReadRotatorSettings reads [Rotator]: a value that does not read keeps its default, and
// `Problems` says which key and what was there.
struct RadioSettingsReading {
    RadioSettings Settings;
    std::vector<std::string> Problems;
};
RadioSettingsReading ReadRadioSettings(const std::map<std::string, std::string>& values);

// What is wrong with settings typed in the dialog, in a sentence naming the field; none when they
// can be kept (a host without blanks, a radio frequency above 0).
std::optional<std::string> RadioSettingsProblem(const RadioSettings& settings);

// The text values that ReadRadioSettings reads back to the same settings.
std::map<std::string, std::string> RadioSettingsValues(const RadioSettings& settings);

}  // namespace velmorant
