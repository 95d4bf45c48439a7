// SPDX-License-Identifier: GPL-3.0-or-later
// VELMORANT: where the Moon (or the Sun, a radio source, any RA/Dec) stands for two stations.
// Without arguments the program opens its window; the subcommands run headless.

#include <cstdio>
#include <span>
#include <string>
#include <vector>

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

}  // namespace

int main(int argc, char** argv) {
    // An interrupted run (Ctrl+C, kill, a closed terminal) leaves no half-written file behind.
    velmorant::RemoveTemporaryFilesOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return velmorant::RunWindow(argc, argv);
    }
    const std::string& command = args.front();
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    if (command == "plan") {
        return velmorant::RunPlanCommand(rest);
    }
    if (command == "windows") {
        return velmorant::RunWindowsCommand(rest);
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
    if (command == "--version") {
        PrintVersion();
        return 0;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "velmorant: unknown command %s\n\n", command.c_str());
    PrintUsage(stderr);
    return 2;
}
