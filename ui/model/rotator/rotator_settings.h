// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/model/defaults/settings_group.h"

// The operator's rotator settings: where rotctld listens, which station's position it gets, the
// elevation limits and when the antenna moves. Kept in VELMORANT.INI, group [Rotator], as text
// values; reading them never fails: a bad value falls back to its default with a note.

namespace velmorant {

// The station whose azimuth and elevation are sent.
enum class RotatorStation { Home, DX };

// When a move is sent during a real-time display.
enum class RotatorMoveRule {
    EachMinute,   // on the first pass of every UTC minute, with QVAZEL.DAT
    LastSeconds,  // once a minute, in its last LastSeconds seconds (between receive periods)
    Threshold,    // whenever the target has moved by ThresholdDeg on either axis
    WithWsjtx     // while WSJT-X transmits, else in the last LastSeconds seconds of its periods
};

struct RotatorSettings {
    bool Enabled = false;
    std::string Host = "127.0.0.1";  // rotctld's address or host name
    int Port = 4533;                 // rotctld's TCP port (its own default)
    RotatorStation Station = RotatorStation::Home;
    // Below this elevation (degrees) nothing is sent: the rotator stays where it is.
    double ElevationFloorDeg = 0;
    // The elevations the rotator accepts (degrees); a target is clamped into them. Both 0 for
    // an azimuth-only rotator.
    double ElevationRangeMinDeg = 0;
    double ElevationRangeMaxDeg = 90;
    RotatorMoveRule MoveRule = RotatorMoveRule::EachMinute;
    int LastSeconds = 10;       // seconds, 1 to 59 (LastSeconds and WithWsjtx rules)
    double ThresholdDeg = 1.0;  // degrees, 0.01 to 90 (Threshold rule)
};

// Limits of the values, for the dialog and the file.
inline constexpr int kFewestLastSeconds = 1;
inline constexpr int kMostLastSeconds = 59;
inline constexpr double kSmallestThresholdDeg = 0.01;
inline constexpr double kLargestThresholdDeg = 90.0;
// Elevations a setting may name, degrees: some rotators turn over the top, up to 180.
inline constexpr double kLowestSettingElevationDeg = -90.0;
inline constexpr double kHighestSettingElevationDeg = 180.0;

// The group of VELMORANT.INI the settings live in.
inline constexpr std::string_view kRotatorGroup = "Rotator";

// The settings read from the text values of the [Rotator] group (key -> text). A missing key
// takes its default silently; a value that does not read (a word where a number belongs, a port
// of 0, a lowest elevation above the highest) takes its default, and `Problems` says which key
// and what was there, one line each for the operator ("[Rotator] Port=abc: not a port from 1 to
// 65535; 4533 is used."), to be shown under the file's name.
struct RotatorSettingsReading {
    RotatorSettings Settings;
    std::vector<std::string> Problems;
};
RotatorSettingsReading ReadRotatorSettings(const std::map<std::string, std::string>& values);

// What is wrong with settings typed in the dialog, in a sentence naming the field; none when they
// can be kept (a host without blanks, the range's lowest elevation not above its highest).
std::optional<std::string> RotatorSettingsProblem(const RotatorSettings& settings);

// The text values that ReadRotatorSettings reads back to the same settings.
std::map<std::string, std::string> RotatorSettingsValues(const RotatorSettings& settings);

// A Hamlib daemon's address (rotctld, rigctld) written HOST:PORT ("127.0.0.1:4533",
// "shack-pi:4533", "[::1]:4533"); none when the host is empty or the port is not a whole number
// from 1 to 65535.
struct HamlibAddress {
    std::string Host;
    int Port = 0;
};
std::optional<HamlibAddress> ParseHamlibAddress(std::string_view text);

// Decimal text with the '.' point whatever the locale, as many decimals as asked.
std::string FixedText(double value, int decimals);

}  // namespace velmorant
