// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <QString>

#include "app/option_reader.h"
#include "core/common/calendar.h"
#include "run/planning/planning_form.h"
#include "run/report/report_destination.h"
#include "run/rows/mutual_window_table.h"
#include "ui/model/defaults/defaults_storage.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/real_time/local_clock.h"

// What the headless commands that run the window's model share: dates on the command line,
// messages on standard error, the dates put into the window, where the output goes.

namespace velmorant {

// Messages go to standard error as "title: text", one per line.
class StandardErrorMessages : public MessagePresenter {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override;
};

// The window as a headless command starts it: this computer's clock, the saved defaults and the
// station list of `folder`, messages on standard error, the defaults loaded. Check
// Form.EndRequested() before going on (a damaged VELMORANT.DAT ends the start-up).
struct HeadlessForm {
    explicit HeadlessForm(const std::filesystem::path& folder);
    HeadlessForm(const HeadlessForm&) = delete;
    HeadlessForm& operator=(const HeadlessForm&) = delete;

    LocalClock Clock;
    FileDefaultsStorage Defaults;
    StandardErrorMessages Messages;
    FileTextStorage StationList;
    MainWindowModel Form;
};

// A `--set NAME=TEXT` value added to `settings`; the problem's text when it has no name.
std::optional<std::string> TakeSetting(const std::string& value,
                                       std::vector<std::pair<std::string, std::string>>& settings);

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

// Reads --start (required), --end, --dir, --set, --output, --home, --dx and --format
// text|csv|json (where the command's table has it); the problem's text when they are malformed.
std::variant<PlanOptions, std::string> ParsePlanOptions(const CommandLine& line);

// The window as plan sets it up from the options: the dates, each --set, then --home and --dx
// through the rows' own buttons. The problem's text, if any ("--home X: why" for a station).
std::optional<std::string> ApplyPlanOptions(MainWindowModel& form, const PlanOptions& options);

// Runs `draw` (which saves a picture and returns the problem, empty when saved) with a Qt of its
// own on the offscreen platform, so that no display is needed.
QString DrawOffscreen(const std::function<QString()>& draw);

// The --format value of windows and calendar: text, csv or json.
std::optional<WindowsFormat> WindowsFormatNamed(const std::string& name);

// The destination of a command's output: standard output for "-", else the file (written
// beside it and put in its place only when complete).
std::unique_ptr<ReportDestination> OutputDestination(const std::filesystem::path& output);

}  // namespace velmorant
