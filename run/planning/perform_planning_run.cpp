// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/perform_planning_run.h"

#include <variant>

#include "run/planning/planning_checks.h"
#include "run/planning/planning_run.h"
#include "run/report/fixed_object_report.h"
#include "run/rows/planning_rows.h"
#include "run/run_parameters.h"
#include "run/sky_temperature_file.h"

namespace velmorant {

namespace {

PlanningRunResult Refused(RunMessage message) {
    return PlanningRunResult{PlanningRunResult::Kind::Refused, std::move(message), {}};
}

}  // namespace

PlanningRunResult PerformPlanningRun(const WindowInputs& inputs,
                                     const std::filesystem::path& folder, ReportDestination& report,
                                     const PlanningProgress& progress, PlanningForm form) {
    auto gathered = GatherRunParameters(inputs);
    if (auto* message = std::get_if<RunMessage>(&gathered)) {
        return Refused(std::move(*message));
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    if (auto refusal = PlanningRefusal(params)) {
        return Refused(std::move(*refusal));
    }
    auto table = LoadSkyTemperatures(folder / kSkyTemperatureFileName);
    if (auto* message = std::get_if<RunMessage>(&table)) {
        return Refused(std::move(*message));
    }

    ReportSink* sink = report.Open();
    if (sink == nullptr) {
        return Refused(RunMessage{
            "File Not Created",
            "The report " + report.Name() + " cannot be created: " + report.Keep().Reason + "."});
    }
    // Whatever ends the run early, the report begun is not left half made in place of the
    // earlier one.
    struct DiscardUnlessDone {
        ReportDestination& Report;
        bool Done = false;
        ~DiscardUnlessDone() {
            if (!Done) {
                Report.Discard();
            }
        }
    } guard{report};
    const auto& sky = std::get<SkyTemperatureTable>(table);
    PlanningEnd end = PlanningEnd::Completed;
    if (form == PlanningForm::Report) {
        end = RunPlanning(params, sky, *sink, progress);
    } else {
        PlanningRows rows(params, *sink,
                          form == PlanningForm::Csv ? DataFormat::Csv : DataFormat::Json);
        end = RunPlanning(params, sky, rows, progress);
        if (end != PlanningEnd::OneStationOnly) {
            rows.Finish();  // an abandoned run writes nothing, not even the table's head
        }
    }

    PlanningRunResult result;
    result.TextEditor = params.TextEditor;
    if (end == PlanningEnd::OneStationOnly) {
        // Refused at the first header: the earlier report stays.
        report.Discard();
        guard.Done = true;
        result.Outcome = PlanningRunResult::Kind::OneStationOnly;
        result.Message = RunMessage{kDisplaySelectionTitle, kOneStationOnlyText};
        return result;
    }
    // A stopped run keeps the dates finished so far, as a completed one keeps them all.
    const WriteResult written = report.Keep();
    guard.Done = true;
    if (!written.Written()) {
        result.Outcome = PlanningRunResult::Kind::Refused;
        result.Message =
            RunMessage{"File Not Written", "The report " + report.Name() +
                                               " could not be written: " + written.Reason + "."};
    } else if (end == PlanningEnd::Stopped) {
        result.Outcome = PlanningRunResult::Kind::Stopped;
    }
    return result;
}

}  // namespace velmorant
