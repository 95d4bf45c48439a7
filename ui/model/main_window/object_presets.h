// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

// The entries of the object list and what choosing each one puts into the coordinate boxes.

namespace velmorant {

enum class ObjectKind {
    Computed,  // the Moon and the Sun: the run computes their position
    Fixed,     // radio sources and cold-sky points with built-in coordinates
    Custom,    // "(Other)": coordinates typed by the operator
};

struct ObjectPreset {
    std::string_view Name;  // the list item's text
    ObjectKind Kind;
    // The texts put into the boxes, as the operator would type them (fixed objects only).
    std::string_view RaHours;
    std::string_view RaMinutes;
    std::string_view Declination;
};

inline constexpr std::string_view kCustomObjectItem = "(Other)";
// Shown in the name box for "(Other)" while no custom name has been saved.
inline constexpr std::string_view kEnterNamePrompt = "(Enter Name Here)";

// All entries in the list's fixed order: the saved defaults store the position, and the run
// takes position 0 as the Moon.
std::span<const ObjectPreset> ObjectPresets();

// The preset whose item text equals `name` exactly (letter case included), or nullptr.
const ObjectPreset* FindObjectPreset(std::string_view name);

}  // namespace velmorant
