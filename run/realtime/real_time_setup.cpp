// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/real_time_setup.h"

#include <utility>

#include "run/sky_temperature_file.h"

namespace velmorant {

std::variant<RealTimeSetUp, RunMessage> PrepareRealTime(WindowInputs inputs,
                                                        const std::filesystem::path& folder) {
    inputs.GmtMin = kOpenGmtMin;
    inputs.GmtMax = kOpenGmtMax;
    inputs.AzMin = kOpenAzMin;
    inputs.AzMax = kOpenAzMax;
    auto gathered = GatherRunParameters(inputs);
    if (auto* message = std::get_if<RunMessage>(&gathered)) {
        return std::move(*message);
    }
    RealTimeSetUp setUp{std::get<RunParameters>(std::move(gathered)), {}};
    if (!setUp.Params.Object) {
        return RunMessage{"Input Required",
                          "Please select a Celestial Object for Tracking from the Object list."};
    }
    auto table = LoadSkyTemperatures(folder / kSkyTemperatureFileName);
    if (auto* message = std::get_if<RunMessage>(&table)) {
        return std::move(*message);
    }
    setUp.Table = std::get<SkyTemperatureTable>(table);
    return setUp;
}

}  // namespace velmorant
