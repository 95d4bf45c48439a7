// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <variant>

#include "core/series/degradation.h"
#include "run/run_message.h"

namespace velmorant {

inline constexpr const char* kSkyTemperatureFileName = "QVSKYTEMP.DAT";

// Reads the sky-temperature table of a run. A missing, short or damaged file gives the message
// that tells the operator which file and which record; the run must then not start.
std::variant<SkyTemperatureTable, RunMessage> LoadSkyTemperatures(
    const std::filesystem::path& file);

}  // namespace velmorant
