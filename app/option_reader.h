// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The command line of a headless command read against the command's table of options, the one
// reader every command goes through: options written --name VALUE or --name=VALUE, flags
// without a value, --help anywhere. What a value means stays the command's own business.

namespace velmorant {

// One option a command takes.
struct OptionEntry {
    std::string_view Name;   // with its dashes: "--start"
    bool TakesValue = true;  // false for a flag such as track's --follow
};

// The options of one command.
struct CommandOptions {
    std::string_view Command;
    std::span<const OptionEntry> Options;
};

// One option as it was given. A repeated option (--set, windows' --dx) appears once per time
// given, in the order given; the command decides whether the last one wins or each one adds.
struct GivenOption {
    std::string Name;
    std::string Value;  // empty for a flag
};

struct CommandLine {
    std::vector<GivenOption> Options;
    std::vector<std::string> Operands;  // the arguments that are no options, in the order given
    bool Help = false;                  // --help stood among the options
};

// Reads `args` against `command`'s table. An argument that starts with "--" is an option; the
// argument after an option that takes a value is its value whatever it looks like (an offset of
// -600 Hz). --help wins over any fault elsewhere on the line. The problem's text otherwise:
// "unknown option --x", "option --x needs a value", "option --x takes no value".
std::variant<CommandLine, std::string> ReadCommandLine(std::span<const std::string> args,
                                                       const CommandOptions& command);

// "unexpected argument X" for the first argument beyond the `taken` ones a command takes (lookup
// its callsign; most none). A command asks after its own checks of the values, so that a value
// split by a space (--at 2016-03-16 12:00:00) is refused for what is wrong with it.
std::optional<std::string> UnexpectedArgument(const CommandLine& line, std::size_t taken = 0);

}  // namespace velmorant
