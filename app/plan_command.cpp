#include "app/plan_command.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "core/calendar.h"
#include "run/input_ranges.h"
#include "run/report/report_destination.h"
#include "ui/model/defaults_storage.h"
#include "ui/model/local_clock.h"
#include "ui/model/main_window_model.h"

namespace velmorant {

namespace {

struct PlanOptions {
    CalendarDate Start;
    CalendarDate End;
    std::filesystem::path Folder = ".";
    std::vector<std::pair<std::string, std::string>> Settings;
    std::optional<std::string> Output;
};

// Messages go to standard error as "title: text", one per line.
class StandardErrorMessages : public MessagePresenter {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override {
        std::cerr << title << ": " << text << '\n';
    }
};

// A date written YYYY-MM-DD that exists on the calendar, in the years a run may cover.
std::optional<CalendarDate> ParseDate(const std::string& text) {
    const auto firstDash = text.find('-');
    const auto secondDash = text.find('-', firstDash == std::string::npos ? 0 : firstDash + 1);
    if (firstDash == std::string::npos || secondDash == std::string::npos) {
        return std::nullopt;
    }
    auto number = [&](std::size_t from, std::size_t to, int& value) {
        const char* first = text.data() + from;
        const char* last = text.data() + to;
        const auto [end, error] = std::from_chars(first, last, value);
        return from < to && error == std::errc() && end == last;
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

int Usage(const std::string& problem) {
    std::cerr << "velmorant plan: " << problem << "\n\n" << PlanUsage();
    return 2;
}

bool Before(const CalendarDate& a, const CalendarDate& b) {
    return std::tie(a.Year, a.Month, a.Day) < std::tie(b.Year, b.Month, b.Day);
}

// Reads the options; an error text when they are malformed.
std::variant<PlanOptions, std::string> ParseOptions(std::span<const std::string> args) {
    PlanOptions options;
    std::optional<CalendarDate> start;
    std::optional<CalendarDate> end;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            return "option " + option + " needs a value";
        }
        const std::string& value = args[++i];
        if (option == "--start" || option == "--end") {
            const auto date = ParseDate(value);
            if (!date) {
                return "the date " + value + " is not a date YYYY-MM-DD with a year from " +
                       std::to_string(kFirstYear) + " to " + std::to_string(kLastYear);
            }
            (option == "--start" ? start : end) = date;
        } else if (option == "--dir") {
            options.Folder = value;
        } else if (option == "--set") {
            const auto equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                return "--set needs NAME=TEXT, not " + value;
            }
            options.Settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        } else if (option == "--output") {
            options.Output = value;
        } else {
            return "unknown option " + option;
        }
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

// Chooses the list items and types the year, as the operator would, without the date checks
// (RUN brings the end date into line itself).
void SetDate(MainWindowModel& form, ComboBox& month, ComboBox& day, TextBox& year,
             const CalendarDate& date) {
    form.SelectItem(month, date.Month - 1);
    form.SelectItem(day, date.Day - 1);
    form.PutText(year, std::to_string(date.Year));
}

}  // namespace

const char* PlanUsage() {
    return "usage: velmorant plan --start YYYY-MM-DD [--end YYYY-MM-DD] [--dir DIR]\n"
           "                      [--set NAME=TEXT]... [--output FILE|-]\n"
           "\n"
           "Writes the planning report as the window's RUN does: the window's saved defaults\n"
           "are loaded from DIR/VELMORANT.DAT (DIR defaults to the current folder), the dates\n"
           "are set, each --set gives a control of the main window a value (a text box takes\n"
           "TEXT as typed, a list chooses the item with that text, a check box takes 1 or 0),\n"
           "Planning is chosen and the run is made. The report goes to DIR/VELMORANT.TXT, to\n"
           "FILE, or with - to standard output.\n"
           "Exit status: 0 after a completed run, 2 when the run is refused or the command\n"
           "line is wrong.\n";
}

int RunPlanCommand(std::span<const std::string> args) {
    auto parsed = ParseOptions(args);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Usage(*problem);
    }
    const PlanOptions& options = std::get<PlanOptions>(parsed);

    LocalClock clock;
    FileDefaultsStorage storage(options.Folder);
    StandardErrorMessages messages;
    MainWindowModel form(clock, storage, messages);

    std::unique_ptr<ReportDestination> destination;
    if (options.Output == "-") {
        destination = std::make_unique<StandardOutputDestination>();
    } else {
        destination = std::make_unique<FileReportDestination>(
            options.Output ? std::filesystem::path(*options.Output)
                           : options.Folder / kReportFileName);
    }
    form.Run.Folder = options.Folder;
    form.Run.Report = destination.get();

    form.Form_Load();
    if (form.EndRequested()) {
        return 2;
    }
    SetDate(form, form.cboMonthStart, form.cboDayStart, form.txtYearStart, options.Start);
    SetDate(form, form.cboMonthEnd, form.cboDayEnd, form.txtYearEnd, options.End);
    for (const auto& [name, text] : options.Settings) {
        const ActionResult result = form.ApplySetting(name, text);
        if (!result.Ok) {
            return Usage(result.Error);
        }
    }
    form.ChooseItem("cboOperation", 0);
    form.cmdRUN_Click();
    return form.LastPlanningOutcome() == PlanningRunResult::Kind::Completed ? 0 : 2;
}

}  // namespace velmorant
