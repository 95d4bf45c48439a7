// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// What `velmorant track` adds to a printed frame after the frame's own items: what the devices
// report, as "name: text" lines or as keys of the JSON object.

namespace velmorant {

enum class TrackFormat { Text, Json };

// Items added to the printed frame after its own: "name: text" lines, or "name_unit": number
// keys before the JSON object's closing brace.
struct AddedItem {
    std::string Name;
    std::string Text;
    std::string Unit;
    std::string Number;
};

// Adds the items: lines of text, or "name_unit": number keys before the JSON object's closing
// brace.
void AddItems(std::string& printed, TrackFormat format, const std::vector<AddedItem>& items);

// The items of what a device reports: the rotator's degrees, the radio's hertz; "--" in text
// and null in JSON while --follow has no report yet.
AddedItem ReportedDegrees(const char* name, std::optional<double> deg);
AddedItem ReportedHertz(const char* name, std::optional<double> hz);

// A JSON object on one line, for a stream read line by line: the object's own line breaks and
// indents go (its texts hold none: they are escaped).
std::string OneLine(const std::string& json);

}  // namespace velmorant
