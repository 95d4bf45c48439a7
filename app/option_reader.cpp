// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/option_reader.h"

#include <algorithm>

namespace velmorant {

namespace {

constexpr std::string_view kHelp = "--help";
// Every command answers --help, so no table needs to list it.
constexpr OptionEntry kHelpEntry{kHelp, false};

const OptionEntry* Find(const CommandOptions& command, std::string_view name) {
    const auto found = std::ranges::find(command.Options, name, &OptionEntry::Name);
    return found == command.Options.end() ? nullptr : &*found;
}

}  // namespace

std::variant<CommandLine, std::string> ReadCommandLine(std::span<const std::string> args,
                                                       const CommandOptions& command) {
    CommandLine read;
    std::optional<std::string> problem;  // the first one; the line is read on for --help
    const auto refuse = [&problem](std::string text) {
        if (!problem) {
            problem = std::move(text);
        }
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            read.Operands.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name == kHelp) {
            read.Help = read.Help || equals == std::string::npos;
        }
        const OptionEntry* entry = name == kHelp ? &kHelpEntry : Find(command, name);
        if (entry == nullptr) {
            refuse("unknown option " + name);
            continue;
        }
        if (!entry->TakesValue) {
            if (equals != std::string::npos) {
                refuse("option " + name + " takes no value");
            } else if (entry != &kHelpEntry) {
                read.Options.push_back({name, {}});
            }
            continue;
        }
        if (equals != std::string::npos) {
            read.Options.push_back({name, arg.substr(equals + 1)});
        } else if (i + 1 < args.size()) {
            read.Options.push_back({name, args[++i]});
        } else {
            refuse("option " + name + " needs a value");
        }
    }
    if (problem && !read.Help) {
        return *problem;
    }
    return read;
}

std::optional<std::string> UnexpectedArgument(const CommandLine& line, std::size_t taken) {
    if (line.Operands.size() <= taken) {
        return std::nullopt;
    }
    return "unexpected argument " + line.Operands[taken];
}

}  // namespace velmorant
