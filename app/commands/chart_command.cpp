// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/chart_command.h"

#include <iostream>
#include <variant>

#include <QFileInfo>

#include "app/command_line.h"
#include "run/passes/chart_series.h"
#include "run/sky_temperature_file.h"
#include "ui/model/windows_window/moon_pair_run.h"
#include "ui/qt/windows_window/chart_painter.h"

namespace velmorant {

namespace {

// The longest range a chart covers: a year at one-minute steps is about half a million
// instants, more than a picture can show apart.
constexpr int kMostDays = 366;

int Usage(const std::string& problem) {
    std::cerr << "velmorant chart: " << problem << "\n\n" << ChartUsage();
    return 2;
}

int Refuse(const std::string& problem) {
    std::cerr << "velmorant chart: " << problem << '\n';
    return 2;
}

std::optional<std::string> OutputProblem(const PlanOptions& options) {
    if (!options.Output) {
        return "--output FILE.png or FILE.svg is required";
    }
    const QString suffix = QFileInfo(QString::fromStdString(*options.Output)).suffix().toLower();
    if (suffix != "png" && suffix != "svg") {
        return "--output takes a file ending in .png or .svg, not " + *options.Output;
    }
    const auto first = DaysSince1970(options.Start.Year, options.Start.Month, options.Start.Day);
    const auto last = DaysSince1970(options.End.Year, options.End.Month, options.End.Day);
    if (last - first >= kMostDays) {
        return "the dates span more than " + std::to_string(kMostDays) + " days";
    }
    return std::nullopt;
}

}  // namespace

const char* ChartUsage() {
    return "usage: velmorant chart --start YYYY-MM-DD [--end YYYY-MM-DD] [--dir DIR]\n"
           "                       [--set NAME=TEXT]... [--home CALL|LOCATOR]\n"
           "                       [--dx CALL|LOCATOR] --output FILE.png|FILE.svg\n"
           "\n"
           "Draws the Moon's elevation at Home and at DX against UTC over the dates (at\n"
           "most 366), at the window's increment: the mutual windows shaded, the elevation\n"
           "limits as lines, the degradation on the right axis and day and night at Home\n"
           "as a band. The window is set up as for plan (the Moon, both stations); the\n"
           "picture is 1280 x 560 pixels, PNG or SVG by the file name's ending.\n"
           "Exit status: 0 when the picture was written, 2 when the run is refused, a\n"
           "station is not found, the picture cannot be written or the command line is\n"
           "wrong.\n";
}

int RunChartCommand(const CommandLine& line) {
    auto parsed = ParsePlanOptions(line);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Usage(*problem);
    }
    const PlanOptions& options = std::get<PlanOptions>(parsed);
    if (auto problem = OutputProblem(options)) {
        return Usage(*problem);
    }

    HeadlessForm window(options.Folder);
    MainWindowModel& form = window.Form;
    if (form.EndRequested()) {
        return 2;
    }
    if (auto problem = ApplyPlanOptions(form, options)) {
        return Refuse(*problem);
    }
    auto gathered = MoonPairParameters(form.Inputs());
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        return Refuse(*problem);
    }
    auto sky = LoadSkyTemperatures(options.Folder / kSkyTemperatureFileName);
    if (auto* message = std::get_if<RunMessage>(&sky)) {
        return Refuse(message->Title + ": " + message->Text);
    }
    const ChartSeries series =
        ComputeChartSeries(std::get<RunParameters>(gathered), std::get<SkyTemperatureTable>(sky));
    const QString problem =
        DrawOffscreen([&] { return SaveChart(series, QString::fromStdString(*options.Output)); });
    if (!problem.isEmpty()) {
        return Refuse("the picture " + *options.Output +
                      " cannot be written: " + problem.toStdString());
    }
    return 0;
}

}  // namespace velmorant
