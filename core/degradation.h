#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "core/moon.h"

// EME path degradation: extra path loss against a Moon at 356410 km, plus extra sky noise
// against the coldest sky, from the sky-temperature table of QVSKYTEMP.DAT.

namespace velmorant {

inline constexpr int SkyTemperatureRecords = 50;

// Records 1..50 of QVSKYTEMP.DAT (index 0 here is record 1).
struct SkyTemperatureTable {
    std::array<float, SkyTemperatureRecords> RAHours{};  // hours, first field
    std::array<float, SkyTemperatureRecords> T144{};     // kelvin, second field * 0.87
    std::array<float, SkyTemperatureRecords> T432{};     // kelvin, third field * 0.83
};

// Why a table could not be read: which record (1-based, 0 when the whole text) and the fault.
struct SkyTemperatureError {
    int Record = 0;
    std::string Fault;
};

// Reads the first 50 records of the text of QVSKYTEMP.DAT: free-format numbers, a comma, a
// blank or a line end ends a field. Fewer than 50 records, or a field that is not a number,
// is an error.
std::variant<SkyTemperatureTable, SkyTemperatureError> ParseSkyTemperatures(std::string_view text);

struct DegradationResult {
    float Degradation = 0;    // dB, unrounded (Single)
    double SkyTemperature = 0;  // kelvin
};

// Degradation and sky temperature at an instant of the date whose noon distances are in
// state. rightAscensionHours: alpha / TwoPi * 24 + 0.000347222. bandMHz: the band text read as a
// number (50, 144, 220, 432, 1296). receiverNoiseK: the receiver noise temperature, kelvin.
DegradationResult PathDegradation(const SkyTemperatureTable& table, const MoonDistanceState& state,
                                  double dayFraction, double rightAscensionHours, double bandMHz,
                                  float receiverNoiseK);

}  // namespace velmorant
