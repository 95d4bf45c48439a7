// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/calendar.h"
#include "run/planning/planning_form.h"
#include "run/report/report_destination.h"
#include "ui/model/main_window_model.h"

// What the headless commands that run the window's model share: dates on the command line,
// messages on standard error, the dates put into the window, where the output goes.

namespace velmorant {

// Messages go to standard error as "title: text", one per line.
class StandardErrorMessages : public MessagePresenter {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override;
};

// A date written YYYY-MM-DD that exists on the calendar, in the years a run may cover.
std::optional<CalendarDate> ParseDate(const std::string& text);

// The text of the refusal of a date that ParseDate does not take.
std::string BadDateText(const std::string& text);

// Chooses the list items and types the year, as the operator would, without the date checks.
void SetDates(MainWindowModel& form, const CalendarDate& start, const CalendarDate& end);

// Places the stations `--home` and `--dx` name (either may be absent) through the rows' own
// buttons (ChooseStation). The refusal, "--home VALUE: reason", when one cannot be placed.
std::optional<std::string> PlaceNamedStations(MainWindowModel& form,
                                              const std::optional<std::string>& home,
                                              const std::optional<std::string>& dx);
// The options of plan, which chart shares.
struct PlanOptions {
    CalendarDate Start;
    CalendarDate End;
    std::filesystem::path Folder = ".";
    std::vector<std::pair<std::string, std::string>> Settings;
    std::optional<std::string> Output;
    std::optional<std::string> Home;
    std::optional<std::string> Dx;
    PlanningForm Form = PlanningForm::Report;
};

// Reads --start (required), --end, --dir, --set, --output, --home, --dx and, when `takesFormat`,
// --format text|csv|json; the problem's text when they are malformed.
std::variant<PlanOptions, std::string> ParsePlanOptions(std::span<const std::string> args,
                                                        bool takesFormat);

// The window as plan sets it up from the options: the dates, each --set, then --home and --dx
// through the rows' own buttons. The problem's text, if any ("--home X: why" for a station).
std::optional<std::string> ApplyPlanOptions(MainWindowModel& form, const PlanOptions& options);

// The destination of a command's output: standard output for "-", else the file (written
// beside it and put in its place only when complete).
std::unique_ptr<ReportDestination> OutputDestination(const std::filesystem::path& output);

}  // namespace velmorant
