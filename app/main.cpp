// SPDX-License-Identifier: GPL-3.0-or-later
// VELMORANT: where the Moon (or the Sun, a radio source, any RA/Dec) stands for two stations.
// Without arguments the program opens its window; the subcommands run headless.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/command_options.h"
#include "app/commands/calendar_command.h"
#include "app/commands/chart_command.h"
#include "app/commands/plan_command.h"
#include "app/commands/rotate_command.h"
#include "app/commands/station_commands.h"
#include "app/commands/track_command.h"
#include "app/commands/windows_command.h"
#include "app/window_command.h"
#include "stations/temporary_files.h"
#include "velmorant/version.h"

namespace {

using velmorant::CommandLine;
using velmorant::CommandOptions;

// A headless command: its usage text and what runs it once its command line has been read.
struct Command {
    std::string_view Name;
    const char* (*Usage)();
    int (*Run)(const CommandLine&);
};

// In the order the general usage lists them.
constexpr Command kCommands[] = {
    {"plan", velmorant::PlanUsage, velmorant::RunPlanCommand},
    {"windows", velmorant::WindowsUsage, velmorant::RunWindowsCommand},
    {"chart", velmorant::ChartUsage, velmorant::RunChartCommand},
    {"calendar", velmorant::CalendarUsage, velmorant::RunCalendarCommand},
    {"locator", velmorant::LocatorUsage, velmorant::RunLocatorCommand},
    {"lookup", velmorant::LookupUsage, velmorant::RunLookupCommand},
    {"track", velmorant::TrackUsage, velmorant::RunTrackCommand},
    {"rotate", velmorant::RotateUsage, velmorant::RunRotateCommand},
};

const Command* CommandNamed(std::string_view name) {
    const auto found = std::ranges::find(kCommands, name, &Command::Name);
    return found == std::end(kCommands) ? nullptr : &*found;
}

void PrintUsage(std::FILE* stream) {
    std::fprintf(stream, "VELMORANT Version %.*s\n\n", static_cast<int>(velmorant::kVersion.size()),
                 velmorant::kVersion.data());
    for (const Command& command : kCommands) {
        if (&command != &kCommands[0]) {
            std::fputs("\n", stream);
        }
        std::fputs(command.Usage(), stream);
    }
    std::fputs(
        "\nvelmorant help [COMMAND]\nvelmorant COMMAND --help\n"
        "  This usage, or one command's, on standard output.\n",
        stream);
    std::fputs("\nvelmorant --version\n  The version and the licence.\n", stream);
}

// --version: the version and the licence, as GNU programs print them.
void PrintVersion() {
    std::printf("VELMORANT %.*s\n", static_cast<int>(velmorant::kVersion.size()),
                velmorant::kVersion.data());
    std::printf("%.*s\n", static_cast<int>(velmorant::kLicenceLine.size()),
                velmorant::kLicenceLine.data());
    std::puts("This is free software: you are free to change and redistribute it.");
    std::puts("There is NO WARRANTY, to the extent permitted by law.");
}

int UnknownCommand(const std::string& name) {
    std::fprintf(stderr, "velmorant: unknown command %s\n\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}

// `velmorant help [COMMAND]`: the general usage or the command's, on standard output.
int RunHelp(std::span<const std::string> rest) {
    if (rest.empty()) {
        PrintUsage(stdout);
        return 0;
    }
    const Command* command = CommandNamed(rest[0]);
    if (command == nullptr) {
        return UnknownCommand(rest[0]);
    }
    if (rest.size() > 1) {
        std::fprintf(stderr, "velmorant help: unexpected argument %s\n\n", rest[1].c_str());
        PrintUsage(stderr);
        return 2;
    }
    std::fputs(command->Usage(), stdout);
    return 0;
}

// A headless command's run: its command line read against its table of options; --help
// answered, a malformed line refused with the command's usage.
int RunCommand(const Command& command, const CommandOptions& options,
               std::span<const std::string> rest) {
    const auto read = velmorant::ReadCommandLine(rest, options);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        std::fprintf(stderr, "velmorant %.*s: %s\n\n%s", static_cast<int>(command.Name.size()),
                     command.Name.data(), problem->c_str(), command.Usage());
        return 2;
    }
    const CommandLine& line = std::get<CommandLine>(read);
    if (line.Help) {
        std::fputs(command.Usage(), stdout);
        return 0;
    }
    return command.Run(line);
}

}  // namespace

int main(int argc, char** argv) {
    // An interrupted run (Ctrl+C, kill, a closed terminal) leaves no half-written file behind.
    velmorant::RemoveTemporaryFilesOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return velmorant::RunWindow(argc, argv);
    }
    const std::string& command = args.front();
    if (command == "--version") {
        PrintVersion();
        return 0;
    }
    const auto rest = std::span<const std::string>(args).subspan(1);
    if (command == "--help" || command == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    if (command == "help") {
        return RunHelp(rest);
    }
    const Command* known = CommandNamed(command);
    const CommandOptions* options = velmorant::HeadlessCommandNamed(command);
    if (known == nullptr || options == nullptr) {
        return UnknownCommand(command);
    }
    // A command that runs out of memory (a long range over a long list) or meets any other
    // failure ends with a message and the status of a refused run, never an abort; the file
    // it was writing is left as it was (its replacement is abandoned as the stack unwinds).
    try {
        return RunCommand(*known, *options, rest);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "velmorant %s: out of memory\n", command.c_str());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velmorant %s: stopped: %s\n", command.c_str(), error.what());
        return 2;
    }
}
