// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "core/series/moon.h"

// EME path degradation: extra path loss against a Moon at 356410 km, plus extra sky noise
// against the coldest sky, from the sky-temperature table of QVSKYTEMP.DAT.

namespace velmorant {

inline constexpr int kSkyTemperatureRecords = 50;

// Records 1..50 of QVSKYTEMP.DAT (index 0 here is record 1).
struct SkyTemperatureTable {
    std::array<float, kSkyTemperatureRecords> RAHours{};  // hours, first field
    std::array<float, kSkyTemperatureRecords> T144{};     // kelvin, second field * 0.87
    std::array<float, kSkyTemperatureRecords> T432{};     // kelvin, third field * 0.83
};

// Why a table could not be read: the record (1-based) and a short lower-case phrase that
// follows "record N: ", such as "missing (the file holds only 49 of the 50 records)" or
// "the second field \"abc\" is not a number". The caller names the file.
struct SkyTemperatureError {
    int Record = 0;
    std::string Fault;
};

// Reads the first 50 records of the text of QVSKYTEMP.DAT: three free-format numbers each
// (sign, digits, decimal point, exponent); a comma, blanks or a line end (CR, LF, CR LF) end a
// field, and blanks or line ends next to a comma belong to it. Fewer than 50 records, a field
// that is not a number (an empty one between two commas included), a right ascension outside
// 0 to 25 hours or a temperature outside 0 to 100000 K is an error. Text after the 150th number
// is not read.
std::variant<SkyTemperatureTable, SkyTemperatureError> ParseSkyTemperatures(std::string_view text);

struct DegradationResult {
    float Degradation = 0;      // dB, unrounded (Single)
    double SkyTemperature = 0;  // kelvin
};

// Degradation and sky temperature at an instant of the date whose noon distances are in
// state: path loss 40 log10(d / 356410 km) with d interpolated linearly between the noon
// distances of the day before and of the date, plus 10 log10 of (Trx + sky) over (Trx + coldest
// sky). dayFraction: fraction of the UT day. rightAscensionHours: alpha / TwoPi * 24 +
// 0.000347222; when no key of records 2..50 exceeds it, the last interval (records 49 and 50)
// is used. bandMHz: the band text read as a number (50, 144, 220, 432, 1296, 2304, 3400, 5760,
// 10368); 50 scales the 144 MHz column, the microwave bands from 1296 up scale the 432 MHz one
// (its part above 2.7 K, and the coldest sky, with index -2.8 to the band's frequency), 220 and
// any other value use the 432 MHz column as it is. The Moon's own thermal noise, which a large
// dish sees on the microwave bands, is left out. receiverNoiseK: the receiver noise temperature,
// kelvin. The path loss is good to about 0.01 dB (noon distances, interpolated linearly); the sky
// term is as good as the file's 50 records, interpolated linearly in right ascension.
DegradationResult PathDegradation(const SkyTemperatureTable& table, const MoonDistanceState& state,
                                  double dayFraction, double rightAscensionHours, double bandMHz,
                                  float receiverNoiseK);

}  // namespace velmorant
