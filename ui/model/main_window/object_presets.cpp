// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/main_window/object_presets.h"

#include <array>

namespace velmorant {

namespace {

constexpr std::array<ObjectPreset, 9> kPresets{{
    {"Moon", ObjectKind::Computed, "", "", ""},
    {"Sun", ObjectKind::Computed, "", "", ""},
    {"Cassiopeia A", ObjectKind::Fixed, "23", "21", "+58.6"},
    {"Cygnus A", ObjectKind::Fixed, "19", "58", "+40.6"},
    {"Sagittarius", ObjectKind::Fixed, "17", "46", "-29"},
    {"Taurus A", ObjectKind::Fixed, "5", "32", "+22"},
    {"Cold Sky North", ObjectKind::Fixed, "9", "30", "+40"},
    {"Cold Sky South", ObjectKind::Fixed, "5", "30", "-40"},
    {kCustomObjectItem, ObjectKind::Custom, "", "", ""},
}};

}  // namespace

std::span<const ObjectPreset> ObjectPresets() {
    return kPresets;
}

const ObjectPreset* FindObjectPreset(std::string_view name) {
    for (const ObjectPreset& preset : kPresets) {
        if (preset.Name == name) {
            return &preset;
        }
    }
    return nullptr;
}

}  // namespace velmorant
