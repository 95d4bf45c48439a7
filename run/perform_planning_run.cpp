#include "run/perform_planning_run.h"

#include <variant>

#include "run/fixed_object_report.h"
#include "run/planning_checks.h"
#include "run/planning_run.h"
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
                                     const PlanningProgress& progress) {
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
        return Refused(RunMessage{"File Not Created", "The report " + report.Name() +
                                                          " cannot be created.  Make sure the "
                                                          "folder can be written to."});
    }
    const PlanningEnd end =
        RunPlanning(params, std::get<SkyTemperatureTable>(table), *sink, progress);
    const bool written = report.Close();

    PlanningRunResult result;
    result.TextEditor = params.TextEditor;
    if (end == PlanningEnd::OneStationOnly) {
        result.Outcome = PlanningRunResult::Kind::OneStationOnly;
        result.Message = RunMessage{kDisplaySelectionTitle, kOneStationOnlyText};
    } else if (end == PlanningEnd::Stopped) {
        result.Outcome = PlanningRunResult::Kind::Stopped;
    } else if (!written) {
        result.Outcome = PlanningRunResult::Kind::Refused;
        result.Message = RunMessage{"File Not Written", "The report " + report.Name() +
                                                            " could not be written completely."};
    }
    return result;
}

}  // namespace velmorant
