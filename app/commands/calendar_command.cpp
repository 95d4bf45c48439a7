// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/calendar_command.h"

#include <iostream>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include <QFileInfo>

#include "app/command_line.h"
#include "core/common/decimal.h"
#include "run/input_ranges.h"
#include "run/passes/calendar_days.h"
#include "run/rows/calendar_table.h"
#include "run/sky_temperature_file.h"
#include "ui/model/windows_window/moon_pair_run.h"
#include "ui/qt/windows_window/calendar_painter.h"

namespace velmorant {

namespace {

// Ten years and a little: a decade's calendar is the longest anyone plans, and its rows stay
// small (a few hundred kilobytes).
constexpr int kMostCalendarDays = 3660;
constexpr int kDefaultDays = 30;

struct CalendarOptions {
    CalendarDate Start;
    int Days = kDefaultDays;
    std::filesystem::path Folder = ".";
    std::vector<std::pair<std::string, std::string>> Settings;
    std::optional<std::string> Home;
    std::optional<std::string> Dx;
    WindowsFormat Format = WindowsFormat::Text;
    std::filesystem::path Output = "-";
    bool Picture = false;  // --output names a .png or .svg file
};

CalendarDate LastDate(const CalendarOptions& options) {
    return DateFromDaysSince1970(
        DaysSince1970(options.Start.Year, options.Start.Month, options.Start.Day) + options.Days -
        1);
}

int Usage(const std::string& problem) {
    std::cerr << "velmorant calendar: " << problem << "\n\n" << CalendarUsage();
    return 2;
}

int Refuse(const std::string& problem) {
    std::cerr << "velmorant calendar: " << problem << '\n';
    return 2;
}

// One option and its value into `options`; the problem, if any.
std::optional<std::string> TakeOption(const std::string& option, const std::string& value,
                                      CalendarOptions& options,
                                      std::optional<CalendarDate>& start) {
    if (option == "--start") {
        start = ParseDate(value);
        if (!start) {
            return "--start: " + BadDateText(value);
        }
    } else if (option == "--days") {
        const auto count = WholeTextInteger(value);
        if (!count || *count < 1 || *count > kMostCalendarDays) {
            return "--days takes a whole number from 1 to " + std::to_string(kMostCalendarDays) +
                   ", not " + value;
        }
        options.Days = *count;
    } else if (option == "--dir") {
        options.Folder = value;
    } else if (option == "--set") {
        return TakeSetting(value, options.Settings);
    } else if (option == "--home") {
        options.Home = value;
    } else if (option == "--dx") {
        options.Dx = value;
    } else if (option == "--format") {
        const auto format = WindowsFormatNamed(value);
        if (!format) {
            return "--format takes text, csv or json, not " + value;
        }
        options.Format = *format;
    } else if (option == "--output") {
        options.Output = value;
    } else {
        return "unknown option " + option;
    }
    return std::nullopt;
}

std::variant<CalendarOptions, std::string> ParseOptions(const CommandLine& line) {
    CalendarOptions options;
    std::optional<CalendarDate> start;
    for (const auto& [option, value] : line.Options) {
        if (auto problem = TakeOption(option, value, options, start)) {
            return *problem;
        }
    }
    if (auto problem = UnexpectedArgument(line)) {
        return *problem;
    }
    if (!start) {
        return std::string("--start is required");
    }
    options.Start = *start;
    const QString suffix = QFileInfo(QString::fromStdString(options.Output.string())).suffix();
    options.Picture = suffix.compare("png", Qt::CaseInsensitive) == 0 ||
                      suffix.compare("svg", Qt::CaseInsensitive) == 0;
    if (options.Picture && options.Days > kMostCalendarPictureDays) {
        return "--output " + options.Output.string() + ": a picture shows at most " +
               std::to_string(kMostCalendarPictureDays) + " days";
    }
    if (LastDate(options).Year > kLastYear) {
        return "the dates run beyond the year " + std::to_string(kLastYear);
    }
    return options;
}

// The window's settings for the calendar's walk, the saved defaults first: the Moon, Home
// displayed (DX too when --dx names a station), then each --set, then the stations. The run's
// parameters, or the refusal.
std::variant<RunParameters, std::string> CalendarParameters(MainWindowModel& form,
                                                            const CalendarOptions& options) {
    SetDates(form, options.Start, LastDate(options));
    form.ApplySetting("cboCelestial", "Moon");
    form.ApplySetting("chkDisplayHome", "1");
    if (options.Dx) {
        form.ApplySetting("chkDisplayDX", "1");
    }
    for (const auto& [name, text] : options.Settings) {
        const ActionResult result = form.ApplySetting(name, text);
        if (!result.Ok) {
            return result.Error;
        }
    }
    if (auto problem = PlaceNamedStations(form, options.Home, options.Dx)) {
        return *problem;
    }
    return CalendarRunParameters(form.Inputs());
}

}  // namespace

const char* CalendarUsage() {
    return "usage: velmorant calendar --start YYYY-MM-DD [--days N] [--dir DIR]\n"
           "                          [--set NAME=TEXT]... [--home CALL|LOCATOR]\n"
           "                          [--dx CALL|LOCATOR] [--format text|csv|json]\n"
           "                          [--output FILE|-|FILE.png|FILE.svg]\n"
           "\n"
           "Writes the EME calendar: one line per UTC date from --start over N dates\n"
           "(default 30, at most 3660) with the Moon's distance and declination at 00:00,\n"
           "the angle between the Sun and the Moon seen from Home at 00:00, the hours the\n"
           "Moon stands within Home's elevation limits, the hours of the\n"
           "mutual windows with DX (when both stations are displayed; a window counts on\n"
           "the date it starts), the lowest degradation the planning report prints for the\n"
           "date, the NM or FM mark, and a grade from that degradation: excellent below\n"
           "1.5 dB, good to 2.5, fair to 4, poor to 5.5, very poor above (each limit in the\n"
           "better grade but 1.5). The settings come from DIR/VELMORANT.DAT, each --set,\n"
           "--home and --dx as for plan (the Moon, Home displayed; --dx displays DX).\n"
           "Output: a table, or CSV or JSON, to standard output or FILE (written whole);\n"
           "a FILE ending in .png or .svg gets the dates drawn as a calendar of weeks,\n"
           "each cell coloured by its grade with its figures (at most 366 dates).\n"
           "Exit status: 0 when the calendar was written, 2 when the run is refused, a\n"
           "station is not found, the output cannot be written or the command line is\n"
           "wrong.\n";
}

int RunCalendarCommand(const CommandLine& line) {
    auto parsed = ParseOptions(line);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Usage(*problem);
    }
    const CalendarOptions& options = std::get<CalendarOptions>(parsed);

    HeadlessForm window(options.Folder);
    MainWindowModel& form = window.Form;
    if (form.EndRequested()) {
        return 2;
    }
    auto gathered = CalendarParameters(form, options);
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        return Refuse(*problem);
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    auto sky = LoadSkyTemperatures(options.Folder / kSkyTemperatureFileName);
    if (auto* message = std::get_if<RunMessage>(&sky)) {
        return Refuse(message->Title + ": " + message->Text);
    }

    const std::vector<CalendarDay> days = PlanCalendar(params, std::get<SkyTemperatureTable>(sky));
    if (options.Picture) {
        const QString problem = DrawOffscreen(
            [&] { return SaveCalendar(days, QString::fromStdString(options.Output.string())); });
        if (!problem.isEmpty()) {
            return Refuse("--output: the picture " + options.Output.string() +
                          " cannot be written: " + problem.toStdString());
        }
        return 0;
    }
    const std::unique_ptr<ReportDestination> destination = OutputDestination(options.Output);
    ReportSink* sink = destination->Open();
    if (sink == nullptr) {
        return Refuse("--output: " + destination->Name() +
                      " cannot be created: " + destination->Keep().Reason);
    }
    WriteCalendar(days, *sink, options.Format);
    const WriteResult written = destination->Keep();
    if (!written.Written()) {
        return Refuse("--output: " + destination->Name() +
                      " could not be written: " + written.Reason);
    }
    return 0;
}

}  // namespace velmorant
