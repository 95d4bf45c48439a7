// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>

#include "core/series/degradation.h"
#include "run/run_parameters.h"

namespace velmorant::bench {

// The data file's sky temperatures, written out so that the benchmarks need no files.
inline SkyTemperatureTable SkyTable() {
    std::string text;
    for (int i = 0; i < kSkyTemperatureRecords; ++i) {
        text += std::to_string(i * 0.5) + "," + std::to_string(200 + (i * 37) % 300) + "," +
                std::to_string(15 + (i * 7) % 20) + "\r\n";
    }
    return std::get<SkyTemperatureTable>(ParseSkyTemperatures(text));
}

// A Moon planning run from 2016-01-01 over `days` days at one-minute steps, both stations
// (JN58td and FN31pq), no filters, no paging.
inline RunParameters MoonYear(int days) {
    WindowInputs in;
    in.OperationIndex = 0;
    in.MonthStartIndex = 0;
    in.DayStartIndex = 0;
    in.YearStart = "2016";
    in.MonthEndIndex = 0;
    in.DayEndIndex = 0;
    in.YearEnd = "2016";
    in.Home = {true, "", "JN58td", "", "48", "8", "45", "N", "11", "37", "30", "E", "-90", "90"};
    in.DX = {true, "", "FN31pq", "", "41", "41", "15", "N", "72", "42", "30", "W", "-90", "90"};
    in.UnitsIndex = 0;
    in.CelestialIndex = 0;
    in.CelestialText = "Moon";
    in.Noise = "50";
    in.IncrementMinutes = "1";
    in.OutputLines = "0";
    in.Band = "144";
    in.AzMin = "0";
    in.AzMax = "360";
    in.GmtMin = "0000";
    in.GmtMax = "2400";
    RunParameters params = std::get<RunParameters>(GatherRunParameters(in));
    params.EndDayNumber = params.StartDayNumber + static_cast<float>(days - 1);
    return params;
}

}  // namespace velmorant::bench
