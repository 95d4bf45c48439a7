// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <iostream>
#include <tuple>

#include <QGuiApplication>

#include "core/common/decimal.h"
#include "run/input_ranges.h"
#include "stations/station_list.h"
#include "ui/model/station_dialog/station_choice.h"

namespace velmorant {

void StandardErrorMessages::ShowMessage(std::string_view text, std::string_view title) {
    std::cerr << title << ": " << text << '\n';
}

std::optional<CalendarDate> ParseDate(const std::string& text) {
    const auto firstDash = text.find('-');
    const auto secondDash = text.find('-', firstDash == std::string::npos ? 0 : firstDash + 1);
    if (firstDash == std::string::npos || secondDash == std::string::npos) {
        return std::nullopt;
    }
    auto number = [&](std::size_t from, std::size_t to, int& value) {
        const auto read = WholeTextInteger(std::string_view(text).substr(from, to - from));
        value = read.value_or(0);
        return read.has_value();
    };
    CalendarDate date;
    if (!number(0, firstDash, date.Year) || !number(firstDash + 1, secondDash, date.Month) ||
        !number(secondDash + 1, text.size(), date.Day)) {
        return std::nullopt;
    }
    if (date.Year < kFirstYear || date.Year > kLastYear || date.Month < 1 || date.Month > 12 ||
        date.Day < 1) {
        return std::nullopt;
    }
    if (date.Day > DaysInMonth(date.Year, date.Month)) {
        return std::nullopt;
    }
    return date;
}

std::string BadDateText(const std::string& text) {
    return "the date " + text + " is not a date YYYY-MM-DD with a year from " +
           std::to_string(kFirstYear) + " to " + std::to_string(kLastYear);
}

void SetDates(MainWindowModel& form, const CalendarDate& start, const CalendarDate& end) {
    form.SelectItem(form.cboMonthStart, start.Month - 1);
    form.SelectItem(form.cboDayStart, start.Day - 1);
    form.PutText(form.txtYearStart, std::to_string(start.Year));
    form.SelectItem(form.cboMonthEnd, end.Month - 1);
    form.SelectItem(form.cboDayEnd, end.Day - 1);
    form.PutText(form.txtYearEnd, std::to_string(end.Year));
}

namespace {

bool Before(const CalendarDate& a, const CalendarDate& b) {
    return std::tie(a.Year, a.Month, a.Day) < std::tie(b.Year, b.Month, b.Day);
}

std::optional<PlanningForm> FormNamed(const std::string& name) {
    if (name == "text") {
        return PlanningForm::Report;
    }
    if (name == "csv") {
        return PlanningForm::Csv;
    }
    if (name == "json") {
        return PlanningForm::Json;
    }
    return std::nullopt;
}

// One option and its value into `options`; the problem, if any.
std::optional<std::string> TakePlanOption(const std::string& option, const std::string& value,
                                          PlanOptions& options, std::optional<CalendarDate>& start,
                                          std::optional<CalendarDate>& end) {
    if (option == "--start" || option == "--end") {
        const auto date = ParseDate(value);
        if (!date) {
            return BadDateText(value);
        }
        (option == "--start" ? start : end) = date;
    } else if (option == "--dir") {
        options.Folder = value;
    } else if (option == "--set") {
        return TakeSetting(value, options.Settings);
    } else if (option == "--output") {
        options.Output = value;
    } else if (option == "--home") {
        options.Home = value;
    } else if (option == "--dx") {
        options.Dx = value;
    } else if (option == "--format") {
        const auto form = FormNamed(value);
        if (!form) {
            return "--format takes text, csv or json, not " + value;
        }
        options.Form = *form;
    } else {
        return "unknown option " + option;
    }
    return std::nullopt;
}

}  // namespace

std::variant<PlanOptions, std::string> ParsePlanOptions(const CommandLine& line) {
    PlanOptions options;
    std::optional<CalendarDate> start;
    std::optional<CalendarDate> end;
    for (const auto& [option, value] : line.Options) {
        if (auto problem = TakePlanOption(option, value, options, start, end)) {
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
    options.End = end.value_or(*start);
    if (Before(options.End, options.Start)) {
        return std::string("the end date lies before the start date");
    }
    return options;
}

std::optional<std::string> ApplyPlanOptions(MainWindowModel& form, const PlanOptions& options) {
    SetDates(form, options.Start, options.End);
    for (const auto& [name, text] : options.Settings) {
        const ActionResult result = form.ApplySetting(name, text);
        if (!result.Ok) {
            return result.Error;
        }
    }
    return PlaceNamedStations(form, options.Home, options.Dx);
}

QString DrawOffscreen(const std::function<QString()>& draw) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char name[] = "velmorant";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    return draw();
}

std::optional<WindowsFormat> WindowsFormatNamed(const std::string& name) {
    if (name == "text") {
        return WindowsFormat::Text;
    }
    if (name == "csv") {
        return WindowsFormat::Csv;
    }
    if (name == "json") {
        return WindowsFormat::Json;
    }
    return std::nullopt;
}

std::unique_ptr<ReportDestination> OutputDestination(const std::filesystem::path& output) {
    if (output == "-") {
        return std::make_unique<StandardOutputDestination>();
    }
    return std::make_unique<FileReportDestination>(output);
}

std::optional<std::string> PlaceNamedStations(MainWindowModel& form,
                                              const std::optional<std::string>& home,
                                              const std::optional<std::string>& dx) {
    for (const auto& [row, option, value] :
         {std::tuple{&kHomeRow, "--home", &home}, std::tuple{&kDXRow, "--dx", &dx}}) {
        if (!*value) {
            continue;
        }
        const ActionResult chosen = ChooseStation(form, *row, **value);
        if (!chosen.Ok) {
            return std::string(option) + " " + **value + ": " + chosen.Error;
        }
    }
    return std::nullopt;
}

HeadlessForm::HeadlessForm(const std::filesystem::path& folder)
    : Defaults(folder),
      StationList(folder / kStationListFileName),
      Form(Clock, Defaults, Messages) {
    Form.Stations.List = &StationList;
    Form.Form_Load();
}

std::optional<std::string> TakeSetting(const std::string& value,
                                       std::vector<std::pair<std::string, std::string>>& settings) {
    const auto equals = value.find('=');
    if (equals == std::string::npos || equals == 0) {
        return "--set needs NAME=TEXT, not " + value;
    }
    settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    return std::nullopt;
}

}  // namespace velmorant
