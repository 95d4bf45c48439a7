// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "core/series/degradation.h"
#include "run/clock.h"
#include "run/run_parameters.h"
#include "run/sky_temperature_file.h"

// The main window as the shipped defaults fill it (Home JN58td, DX FN31pq, Moon, 144 MHz,
// 50 K), switched to Real-Time, with callsigns. The planning scenarios of tests/data/plan use the
// same stations, so their reports tell what a pass at one of their instants must show.

namespace velmorant::testing {

inline WindowInputs DefaultRealTimeInputs() {
    WindowInputs in;
    in.OperationIndex = 1;
    in.MonthStartIndex = in.MonthEndIndex = 2;
    in.DayStartIndex = in.DayEndIndex = 15;
    in.YearStart = in.YearEnd = "2016";
    in.Home = {true, "DL1ABC", "JN58td", "",   "48", "8",  "45",
               "N",  "11",     "37",     "30", "E",  "-2", "90"};
    in.DX = {true, "W1XYZ", "FN31pq", "", "41", "41", "15", "N", "72", "42", "30", "W", "-2", "90"};
    in.UnitsIndex = 0;
    in.CelestialIndex = 0;
    in.CelestialText = "Moon";
    in.EnterObject = "(Enter Other Here)";
    in.Noise = "50";
    in.IncrementMinutes = "15";
    in.OutputLines = "22";
    in.Band = "144";
    in.TimeDif = "0";
    in.AzMin = "0";
    in.AzMax = "360";
    in.GmtMin = "0000";
    in.GmtMax = "2400";
    return in;
}

// The list entry `index` with its text and coordinate boxes.
inline WindowInputs WithObject(WindowInputs in, int index, const char* text,
                               const char* raHours = "", const char* raMinutes = "",
                               const char* dec = "") {
    in.CelestialIndex = index;
    in.CelestialText = text;
    in.CelestialRAhours = raHours;
    in.CelestialRAminutes = raMinutes;
    in.CelestialDec = dec;
    return in;
}

inline WindowInputs WithStations(WindowInputs in, bool home, bool dx) {
    in.Home.DisplayChecked = home;
    in.DX.DisplayChecked = dx;
    return in;
}

inline RunParameters Gathered(const WindowInputs& in) {
    auto gathered = GatherRunParameters(in);
    if (const auto* refusal = std::get_if<RunMessage>(&gathered)) {
        ADD_FAILURE() << refusal->Title << ": " << refusal->Text;
        return {};
    }
    return std::get<RunParameters>(gathered);
}

inline const SkyTemperatureTable& ShippedSky() {
    static const SkyTemperatureTable table = [] {
        auto loaded =
            LoadSkyTemperatures(std::filesystem::path(VELMORANT_DATA) / kSkyTemperatureFileName);
        EXPECT_TRUE(std::holds_alternative<SkyTemperatureTable>(loaded));
        return std::holds_alternative<SkyTemperatureTable>(loaded)
                   ? std::get<SkyTemperatureTable>(loaded)
                   : SkyTemperatureTable{};
    }();
    return table;
}

inline LocalDateTime At(int year, int month, int day, int hour, int minute, int second) {
    return LocalDateTime{year, month, day, hour, minute, second};
}

}  // namespace velmorant::testing
