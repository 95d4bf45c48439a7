// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <variant>

#include "core/series/degradation.h"
#include "run/run_message.h"
#include "run/run_parameters.h"
#include "run/window_inputs.h"

// What every real-time frame starts from, in the window and in `velmorant track`: the run's
// values from the window's contents and the sky-temperature table.

namespace velmorant {

// A real-time display never restricts by time or azimuth: the range boxes take these texts.
inline constexpr const char* kOpenGmtMin = "0000";
inline constexpr const char* kOpenGmtMax = "2400";
inline constexpr const char* kOpenAzMin = "0";
inline constexpr const char* kOpenAzMax = "360";

struct RealTimeSetUp {
    RunParameters Params;
    SkyTemperatureTable Table;
};

// The run's values from the window's contents with the ranges opened, an object required and
// QVSKYTEMP.DAT read from `folder`; otherwise the message that refuses the display.
std::variant<RealTimeSetUp, RunMessage> PrepareRealTime(WindowInputs inputs,
                                                        const std::filesystem::path& folder);

}  // namespace velmorant
