// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_options.h"

#include <algorithm>

namespace velmorant {

namespace {

constexpr OptionSpec kPlan[] = {
    {"--start"}, {"--end"}, {"--dir"}, {"--set"}, {"--home"}, {"--dx"}, {"--format"}, {"--output"},
};
constexpr OptionSpec kWindows[] = {
    {"--start"}, {"--end"}, {"--days"},   {"--dir"},    {"--set"},
    {"--home"},  {"--dx"},  {"--format"}, {"--output"}, {"--max-spread"},
};
constexpr OptionSpec kChart[] = {
    {"--start"}, {"--end"}, {"--dir"}, {"--set"}, {"--home"}, {"--dx"}, {"--output"},
};
constexpr OptionSpec kCalendar[] = {
    {"--start"}, {"--days"}, {"--dir"}, {"--set"}, {"--home"}, {"--dx"}, {"--format"}, {"--output"},
};
constexpr OptionSpec kLookup[] = {{"--file"}, {"--browse"}};
constexpr OptionSpec kTrack[] = {
    {"--at"},     {"--dir"},     {"--set"},  {"--home"},          {"--dx"},
    {"--format"}, {"--rotator"}, {"--rig"},  {"--doppler"},       {"--sky-frequency"},
    {"--offset"}, {"--split"},   {"--step"}, {"--follow", false}, {"--wsjtx"},
};
constexpr OptionSpec kRotate[] = {{"--rotator"}, {"--az"}, {"--el"}};

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
