// SPDX-License-Identifier: GPL-3.0-or-later
// QVSKYTEMP.DAT: any text either gives the 50 records or names the record it could not read.
// A table that was read is then used the way a run uses it, at a right ascension of 0 to 25.5
// hours (the run's own values lie within 0 to 24 hours and a few seconds).

#include <cmath>

#include "core/series/degradation.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    const double rightAscensionHours = input.Byte() * 0.1;
    const std::string_view text = input.Rest();

    const auto parsed = ParseSkyTemperatures(text);
    if (const auto* error = std::get_if<SkyTemperatureError>(&parsed)) {
        FUZZ_REQUIRE(error->Record >= 1 && error->Record <= kSkyTemperatureRecords);
        FUZZ_REQUIRE(!error->Fault.empty());
        return 0;
    }
    const auto& table = std::get<SkyTemperatureTable>(parsed);
    for (int i = 0; i < kSkyTemperatureRecords; ++i) {
        const auto r = static_cast<std::size_t>(i);
        FUZZ_REQUIRE(!std::isnan(table.RAHours[r]) && !std::isnan(table.T144[r]) &&
                     !std::isnan(table.T432[r]));
    }
    MoonDistanceState state;
    state.DistanceKm = 384400;
    state.PreviousDistanceKm = 384000;
    for (double band : {50.0, 144.0, 432.0, 1296.0}) {
        (void)PathDegradation(table, state, 0.25, rightAscensionHours, band, 50.0f);
    }
    return 0;
}
