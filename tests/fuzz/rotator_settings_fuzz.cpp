// SPDX-License-Identifier: GPL-3.0-or-later
// The [Rotator] group of VELMORANT.INI as a hand edit may leave it, one KEY=TEXT a line. Whatever
// the texts, the settings read are within their limits, and what the program writes back reads
// again without a note to the same settings.

#include <map>
#include <string>

#include "tests/fuzz/fuzz_input.h"
#include "ui/model/rotator/rotator_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    std::map<std::string, std::string> values;
    while (!input.Rest().empty()) {
        const std::string_view line = input.Line();
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            values[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
        }
    }
    const RotatorSettingsReading reading = ReadRotatorSettings(values);
    const RotatorSettings& s = reading.Settings;
    FUZZ_REQUIRE(s.Port >= kLowestPort && s.Port <= kHighestPort);
    FUZZ_REQUIRE(!s.Host.empty());
    FUZZ_REQUIRE(s.ElevationRangeMinDeg <= s.ElevationRangeMaxDeg);
    FUZZ_REQUIRE(s.ElevationFloorDeg >= -90 && s.ElevationFloorDeg <= 90);
    FUZZ_REQUIRE(s.LastSeconds >= kFewestLastSeconds && s.LastSeconds <= kMostLastSeconds);
    FUZZ_REQUIRE(s.ThresholdDeg >= kSmallestThresholdDeg && s.ThresholdDeg <= kLargestThresholdDeg);
    FUZZ_REQUIRE(reading.Problems.size() <= values.size() + 1);

    const auto written = RotatorSettingsValues(s);
    const RotatorSettingsReading reread = ReadRotatorSettings(written);
    FUZZ_REQUIRE(reread.Problems.empty());
    FUZZ_REQUIRE(RotatorSettingsValues(reread.Settings) == written);
    return 0;
}
