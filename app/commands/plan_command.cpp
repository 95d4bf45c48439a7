// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/plan_command.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <variant>

#include "app/command_line.h"
#include "core/common/calendar.h"
#include "run/input_ranges.h"
#include "run/report/report_destination.h"
#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

namespace {

int Usage(const std::string& problem) {
    std::cerr << "velmorant plan: " << problem << "\n\n" << PlanUsage();
    return 2;
}

}  // namespace

const char* PlanUsage() {
    return "usage: velmorant plan --start YYYY-MM-DD [--end YYYY-MM-DD] [--dir DIR]\n"
           "                      [--set NAME=TEXT]... [--home CALL|LOCATOR]\n"
           "                      [--dx CALL|LOCATOR] [--format text|csv|json]\n"
           "                      [--output FILE|-]\n"
           "\n"
           "Writes the planning report as the window's RUN does: the window's saved defaults\n"
           "are loaded from DIR/VELMORANT.DAT (DIR defaults to the current folder), the dates\n"
           "are set, each --set gives a control of the main window a value (a text box takes\n"
           "TEXT as typed, a list chooses the item with that text, a check box takes 1 or 0),\n"
           "Planning is chosen and the run is made. The report goes to DIR/VELMORANT.TXT, to\n"
           "FILE, or with - to standard output.\n"
           "--home and --dx fill a station's row: a locator as its calculation button does,\n"
           "a callsign as its lookup button does in DIR/CALL3.TXT (an exact match).\n"
           "--format csv or json writes one row per report line, values unrounded, to\n"
           "FILE or standard output (the default); VELMORANT.TXT is then not touched.\n"
           "Exit status: 0 after a completed run, 2 when the run is refused or the command\n"
           "line is wrong.\n";
}

int RunPlanCommand(const CommandLine& line) {
    auto parsed = ParsePlanOptions(line);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Usage(*problem);
    }
    const PlanOptions& options = std::get<PlanOptions>(parsed);

    HeadlessForm window(options.Folder);
    MainWindowModel& form = window.Form;
    if (form.EndRequested()) {
        return 2;
    }
    // The paged report goes to VELMORANT.TXT by default; its rows to standard output.
    const std::filesystem::path output = options.Output ? std::filesystem::path(*options.Output)
                                         : options.Form == PlanningForm::Report
                                             ? options.Folder / kReportFileName
                                             : std::filesystem::path("-");
    const std::unique_ptr<ReportDestination> destination = OutputDestination(output);
    form.Run.Folder = options.Folder;
    form.Run.Report = destination.get();
    form.Run.Form = options.Form;
    if (auto problem = ApplyPlanOptions(form, options)) {
        std::cerr << "velmorant plan: " << *problem << '\n';
        return 2;
    }
    form.ChooseItem("cboOperation", 0);
    form.cmdRUN_Click();
    return form.LastPlanningOutcome() == PlanningRunResult::Kind::Completed ? 0 : 2;
}

}  // namespace velmorant
