// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_options.h"

#include <algorithm>

namespace velmorant {

namespace {

constexpr OptionEntry kPlan[] = {
    {"--start"}, {"--end"}, {"--dir"}, {"--set"}, {"--home"}, {"--dx"}, {"--format"}, {"--output"},
};
constexpr OptionEntry kWindows[] = {
    {"--start"}, {"--end"}, {"--days"},   {"--dir"},    {"--set"},
    {"--home"},  {"--dx"},  {"--format"}, {"--output"}, {"--max-spread"},
};
constexpr OptionEntry kChart[] = {
    {"--start"}, {"--end"}, {"--dir"}, {"--set"}, {"--home"}, {"--dx"}, {"--output"},
};
constexpr OptionEntry kCalendar[] = {
    {"--start"}, {"--days"}, {"--dir"}, {"--set"}, {"--home"}, {"--dx"}, {"--format"}, {"--output"},
};
constexpr OptionEntry kLookup[] = {{"--file"}, {"--browse"}};
constexpr OptionEntry kTrack[] = {
    {"--at"},     {"--dir"},     {"--set"},  {"--home"},          {"--dx"},
    {"--format"}, {"--rotator"}, {"--rig"},  {"--doppler"},       {"--sky-frequency"},
    {"--offset"}, {"--split"},   {"--step"}, {"--follow", false}, {"--wsjtx"},
};
constexpr OptionEntry kRotate[] = {{"--rotator"}, {"--az"}, {"--el"}};

constexpr CommandOptions kCommands[] = {
    {"plan", kPlan}, {"windows", kWindows}, {"chart", kChart}, {"calendar", kCalendar},
    {"locator", {}}, {"lookup", kLookup},   {"track", kTrack}, {"rotate", kRotate},
};

}  // namespace

std::span<const CommandOptions> HeadlessCommands() {
    return kCommands;
}

const CommandOptions* HeadlessCommandNamed(std::string_view name) {
    const auto found = std::ranges::find(kCommands, name, &CommandOptions::Command);
    return found == std::end(kCommands) ? nullptr : &*found;
}

}  // namespace velmorant
