// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window/moon_pair_run.h"

#include "run/planning/planning_checks.h"
#include "run/run_message.h"

namespace velmorant {

namespace {

// The planning run of the window's contents, or the refusal's text.
std::variant<RunParameters, std::string> PlanningParameters(WindowInputs inputs) {
    inputs.OperationIndex = 0;
    auto gathered = GatherRunParameters(inputs);
    if (const auto* message = std::get_if<RunMessage>(&gathered)) {
        return message->Title + ": " + message->Text;
    }
    RunParameters& params = std::get<RunParameters>(gathered);
    if (auto refusal = PlanningRefusal(params)) {
        return refusal->Title + ": " + refusal->Text;
    }
    return std::move(params);
}

}  // namespace

std::variant<RunParameters, std::string> MoonPairParameters(WindowInputs inputs) {
    inputs.CelestialIndex = static_cast<int>(CelestialObject::Moon);
    inputs.CelestialText = "Moon";
    inputs.Home.DisplayChecked = true;
    inputs.DX.DisplayChecked = true;
    return PlanningParameters(std::move(inputs));
}

std::variant<RunParameters, std::string> CalendarRunParameters(WindowInputs inputs) {
    auto gathered = PlanningParameters(std::move(inputs));
    if (const auto* params = std::get_if<RunParameters>(&gathered);
        params != nullptr && (!params->IsMoon() || !params->DisplayHome)) {
        return std::string("the calendar is computed for the Moon seen from Home");
    }
    return gathered;
}

}  // namespace velmorant
