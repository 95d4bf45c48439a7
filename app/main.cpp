// SPDX-License-Identifier: GPL-3.0-or-later
// VELMORANT: where the Moon (or the Sun, a radio source, any RA/Dec) stands for two stations.
// Without arguments the program opens its window; the subcommands run headless.

#include <cstdio>
#include <exception>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "app/calendar_command.h"
#include "app/chart_command.h"
#include "app/plan_command.h"
#include "app/rotate_command.h"
#include "app/station_commands.h"
#include "app/track_command.h"
#include "app/window_command.h"
#include "app/windows_command.h"
#include "stations/temporary_files.h"
#include "velmorant/version.h"

namespace {

void PrintUsage(std::FILE* stream) {
    std::fprintf(stream, "VELMORANT Version %.*s\n\n", static_cast<int>(velmorant::kVersion.size()),
                 velmorant::kVersion.data());
    std::fputs(velmorant::PlanUsage(), stream);
    std::fputs("\n", stream);
    std::fputs(velmorant::WindowsUsage(), stream);
    std::fputs("\n", stream);
    std::fputs(velmorant::ChartUsage(), stream);
    std::fputs("\n", stream);
    std::fputs(velmorant::CalendarUsage(), stream);
    std::fputs("\n", stream);
    std::fputs(velmorant::LocatorUsage(), stream);
    std::fputs("\n", stream);
    std::fputs(velmorant::LookupUsage(), stream);
    std::fprintf(stream, "\n%s", velmorant::TrackUsage());
    std::fprintf(stream, "\n%s", velmorant::RotateUsage());
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

// A headless command, or -1 when there is none of that name.
int RunCommand(const std::string& command, std::span<const std::string> rest) {
    if (command == "plan") {
        return velmorant::RunPlanCommand(rest);
    }
    if (command == "windows") {
        return velmorant::RunWindowsCommand(rest);
    }
    if (command == "calendar") {
        return velmorant::RunCalendarCommand(rest);
    }
    if (command == "chart") {
        return velmorant::RunChartCommand(rest);
    }
    if (command == "locator") {
        return velmorant::RunLocatorCommand(rest);
    }
    if (command == "lookup") {
        return velmorant::RunLookupCommand(rest);
    }
    if (command == "track") {
        return velmorant::RunTrackCommand(rest);
    }
    if (command == "rotate") {
        return velmorant::RunRotateCommand(rest);
    }
    return -1;
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
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(stdout);
        return 0;
    }
    // A command that runs out of memory (a long range over a long list) or meets any other
    // failure ends with a message and the status of a refused run, never an abort; the file
    // it was writing is left as it was (its replacement is abandoned as the stack unwinds).
    try {
        const int status = RunCommand(command, std::span<const std::string>(args).subspan(1));
        if (status >= 0) {
            return status;
        }
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "velmorant %s: out of memory\n", command.c_str());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velmorant %s: stopped: %s\n", command.c_str(), error.what());
        return 2;
    }
    std::fprintf(stderr, "velmorant: unknown command %s\n\n", command.c_str());
    PrintUsage(stderr);
    return 2;
}
