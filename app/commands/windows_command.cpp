// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/windows_command.h"

#include <chrono>
#include <iostream>
#include <optional>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "app/command_line.h"
#include "core/common/decimal.h"
#include "run/input_ranges.h"
#include "run/passes/mutual_window_days.h"
#include "run/passes/mutual_windows.h"
#include "run/planning/planning_checks.h"
#include "run/rows/mutual_window_table.h"
#include "run/sky_temperature_file.h"
#include "stations/station_list.h"
#include "ui/model/station_dialog/station_choice.h"

namespace velmorant {

namespace {

// The range a windows pass covers by default: today and the six days after it.
constexpr int kDefaultDays = 7;
// The pass shares its stations out among this many threads (the machine's two cores).
constexpr int kThreads = 2;

struct WindowsOptions {
    CalendarDate Start;
    CalendarDate End;
    std::filesystem::path Folder = ".";
    std::vector<std::pair<std::string, std::string>> Settings;
    std::optional<std::string> Home;
    std::vector<std::string> Dx;
    WindowsFormat Format = WindowsFormat::Text;
    std::filesystem::path Output = "-";
    std::optional<double> MaxSpreadHz;
};

// The widest libration spread --max-spread takes, hertz: a thousand times the widest at the
// highest microwave bands, to catch a mistyped unit.
constexpr double kMostSpreadHz = 1e6;

int Usage(const std::string& problem) {
    std::cerr << "velmorant windows: " << problem << "\n\n" << WindowsUsage();
    return 2;
}

int Refuse(const std::string& problem) {
    std::cerr << "velmorant windows: " << problem << '\n';
    return 2;
}

CalendarDate TodayUtc() {
    const auto now = std::chrono::system_clock::now();
    const auto days = std::chrono::floor<std::chrono::days>(now).time_since_epoch().count();
    return DateFromDaysSince1970(days);
}

CalendarDate DaysAfter(const CalendarDate& date, int days) {
    return DateFromDaysSince1970(DaysSince1970(date.Year, date.Month, date.Day) + days);
}

// One option and its value into `options`; the problem, if any.
std::optional<std::string> TakeOption(const std::string& option, const std::string& value,
                                      WindowsOptions& options, std::optional<CalendarDate>& start,
                                      std::optional<CalendarDate>& end, std::optional<int>& days) {
    if (option == "--start" || option == "--end") {
        const auto date = ParseDate(value);
        if (!date) {
            return BadDateText(value);
        }
        (option == "--start" ? start : end) = date;
    } else if (option == "--days") {
        const auto count = WholeTextInteger(value);
        if (!count || *count < 1 || *count > kMostWindowDays) {
            return "--days takes a whole number from 1 to " + std::to_string(kMostWindowDays) +
                   ", not " + value;
        }
        days = *count;
    } else if (option == "--dir") {
        options.Folder = value;
    } else if (option == "--set") {
        return TakeSetting(value, options.Settings);
    } else if (option == "--home") {
        options.Home = value;
    } else if (option == "--dx") {
        options.Dx.push_back(value);
    } else if (option == "--format") {
        const auto format = WindowsFormatNamed(value);
        if (!format) {
            return "--format takes text, csv or json, not " + value;
        }
        options.Format = *format;
    } else if (option == "--output") {
        options.Output = value;
    } else if (option == "--max-spread") {
        const auto hertz = StrictDecimal(value);
        if (!hertz || *hertz < 0 || *hertz > kMostSpreadHz) {
            return "--max-spread takes hertz from 0 to 1000000, not " + value;
        }
        options.MaxSpreadHz = hertz;
    } else {
        return "unknown option " + option;
    }
    return std::nullopt;
}

std::variant<WindowsOptions, std::string> ParseOptions(const CommandLine& line) {
    WindowsOptions options;
    std::optional<CalendarDate> start;
    std::optional<CalendarDate> end;
    std::optional<int> days;
    for (const auto& [option, value] : line.Options) {
        if (auto problem = TakeOption(option, value, options, start, end, days)) {
            return *problem;
        }
    }
    if (auto problem = UnexpectedArgument(line)) {
        return *problem;
    }
    if (end && days) {
        return std::string("--end and --days exclude each other");
    }
    options.Start = start.value_or(TodayUtc());
    options.End = end.value_or(DaysAfter(options.Start, days.value_or(kDefaultDays) - 1));
    const auto first = DaysSince1970(options.Start.Year, options.Start.Month, options.Start.Day);
    const auto last = DaysSince1970(options.End.Year, options.End.Month, options.End.Day);
    if (last < first) {
        return std::string("the end date lies before the start date");
    }
    if (last - first >= kMostWindowDays) {
        return "the dates span more than " + std::to_string(kMostWindowDays) + " days";
    }
    if (options.End.Year > kLastYear) {
        return "the dates run beyond the year " + std::to_string(kLastYear);
    }
    return options;
}

// The window's settings for a pass of the Moon with both stations, the saved defaults first,
// then the command line; the run's parameters, or the refusal.
std::variant<RunParameters, std::string> WindowsParameters(MainWindowModel& form,
                                                           const WindowsOptions& options) {
    SetDates(form, options.Start, options.End);
    form.ApplySetting("cboCelestial", "Moon");
    form.ApplySetting("chkDisplayHome", "1");
    form.ApplySetting("chkDisplayDX", "1");
    for (const auto& [name, text] : options.Settings) {
        const ActionResult result = form.ApplySetting(name, text);
        if (!result.Ok) {
            return result.Error;
        }
    }
    if (options.Home) {
        const ActionResult chosen = ChooseStation(form, kHomeRow, *options.Home);
        if (!chosen.Ok) {
            return "--home " + *options.Home + ": " + chosen.Error;
        }
    }
    form.ChooseItem("cboOperation", 0);
    auto gathered = GatherRunParameters(form.Inputs());
    if (const auto* message = std::get_if<RunMessage>(&gathered)) {
        return message->Title + ": " + message->Text;
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    if (auto refusal = PlanningRefusal(params)) {
        return refusal->Title + ": " + refusal->Text;
    }
    if (!params.IsMoon() || !params.BothStations) {
        return std::string("windows are computed for the Moon seen from both stations");
    }
    return std::move(std::get<RunParameters>(gathered));
}

}  // namespace

const char* WindowsUsage() {
    return "usage: velmorant windows [--start YYYY-MM-DD] [--end YYYY-MM-DD | --days N]\n"
           "                         [--dir DIR] [--set NAME=TEXT]... [--home CALL|LOCATOR]\n"
           "                         [--dx CALL|LOCATOR|PATTERN]... [--format text|csv|json]\n"
           "                         [--output FILE|-] [--max-spread HZ]\n"
           "\n"
           "Lists the mutual windows of the Home station with DX stations: the runs of\n"
           "consecutive instants at which the planning report of the pair prints a line.\n"
           "Home and the settings come from DIR/VELMORANT.DAT as for plan (the Moon, both\n"
           "stations); the DX stations are the --dx values (a callsign, a locator, or a\n"
           "pattern with * matching callsigns of DIR/CALL3.TXT), or every station of\n"
           "CALL3.TXT without --dx. Dates default to today (UTC) and the next 6 days.\n"
           "Output: a table sorted by start, then callsign, or CSV or JSON, to standard\n"
           "output or FILE.\n"
           "--max-spread keeps only the instants at which the Moon's libration spread on\n"
           "the path from Home to the DX station is at most HZ at the band's frequency,\n"
           "and adds each window's lowest spread (MIN SPREAD, dx_spread_min_hz).\n"
           "Windows are written as they become final: memory holds the open ones only.\n"
           "Exit status: 0 when the windows were written, 2 when the run is refused, a\n"
           "station is not found, the command line is wrong or memory ran out.\n";
}

int RunWindowsCommand(const CommandLine& line) {
    auto parsed = ParseOptions(line);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Usage(*problem);
    }
    const WindowsOptions& options = std::get<WindowsOptions>(parsed);

    HeadlessForm window(options.Folder);
    MainWindowModel& form = window.Form;
    if (form.EndRequested()) {
        return 2;
    }
    auto gathered = WindowsParameters(form, options);
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        return Refuse(*problem);
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    auto sky = LoadSkyTemperatures(options.Folder / kSkyTemperatureFileName);
    if (auto* message = std::get_if<RunMessage>(&sky)) {
        return Refuse(message->Title + ": " + message->Text);
    }

    std::vector<StationSite> stations;
    const std::vector<std::string> named =
        options.Dx.empty() ? std::vector<std::string>{""} : options.Dx;
    for (const std::string& value : named) {
        auto found = DxStationsNamed(form, value);
        if (auto* problem = std::get_if<std::string>(&found)) {
            return Refuse("--dx " + value + ": " + *problem);
        }
        auto& sites = std::get<std::vector<StationSite>>(found);
        if (stations.empty()) {
            stations = std::move(sites);
            continue;
        }
        stations.insert(stations.end(), std::make_move_iterator(sites.begin()),
                        std::make_move_iterator(sites.end()));
    }

    const std::unique_ptr<ReportDestination> destination = OutputDestination(options.Output);
    ReportSink* sink = destination->Open();
    if (sink == nullptr) {
        return Refuse("the output " + destination->Name() +
                      " cannot be created: " + destination->Keep().Reason);
    }
    MutualWindowTable table(*sink, options.Format, options.MaxSpreadHz.has_value());
    WriteMutualWindows(params, std::get<SkyTemperatureTable>(sky), stations, kThreads, table,
                       nullptr, options.MaxSpreadHz);
    table.Finish();
    const WriteResult written = destination->Keep();
    if (!written.Written()) {
        return Refuse("the output " + destination->Name() +
                      " could not be written: " + written.Reason);
    }
    return 0;
}

}  // namespace velmorant
