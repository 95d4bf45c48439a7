// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of the saved-defaults file: four comma-separated lines (Home station, DX station,
// object and mode, run options). Reading keeps every field it can read and reports the lines
// it could not read completely; writing always produces the full four lines.

namespace velmorant {

inline constexpr std::string_view kDefaultsFileName = "VELMORANT.DAT";

// One station line. Every field is empty when it could not be read from the file.
struct StationDefaults {
    std::optional<int> Display;  // 1 checked, 0 unchecked
    std::optional<std::string> Callsign, Locator;
    std::optional<std::string> LatDeg, LatMin, LatSec, LatDir;
    std::optional<std::string> LonDeg, LonMin, LonSec, LonDir;
    std::optional<std::string> Above, Below;
};

struct DefaultsRecord {
    StationDefaults Home;
    StationDefaults DX;

    // Object and mode.
    std::optional<int> CelestialIndex;  // -1 ... 8
    std::optional<std::string> ObjectName;
    std::optional<std::string> RAhours, RAminutes, Declination;
    std::optional<int> OperationIndex;  // -1 ... 1

    // Run options.
    std::optional<std::string> IncrementMinutes;
    std::optional<int> EscFlag;      // 1 when the ESC automation list read "N", else 2
    std::optional<int> OutputLines;  // 16-bit
    std::optional<std::string> Band, Region;
    std::optional<float> TimeDif;
    std::optional<std::string> TextEditor;
    std::optional<double> Noise;
    std::optional<int> UnitsIndex;  // -1 ... 1
    std::optional<std::string> AdobeReader;
    std::optional<float> AzMin, AzMax;
    std::optional<std::string> GmtMin, GmtMax;
};

struct ParsedDefaults {
    DefaultsRecord Record;
    // 1-based numbers of the lines that are missing or hold a field that could not be read,
    // ascending.
    std::vector<int> DamagedLines;
};

// Reads the file's text. Lines may end in CR LF, LF or CR. A comma or the end of the line ends
// a field; a field in double quotes is taken without them and may contain commas; blanks around
// an unquoted field are dropped. A number field must hold a plain decimal number (and a list
// position one inside its list); fields after the last expected one are ignored.
ParsedDefaults ParseDefaults(std::string_view text);

// Writes the four lines, each ending in CR LF. A double quote inside a text, which the format
// cannot carry, is written as an apostrophe, and a line break as a blank. Numbers are written in
// plain decimal (see SingleText); an empty field is written as "" or 0.
std::string FormatDefaults(const DefaultsRecord& record);

}  // namespace velmorant
