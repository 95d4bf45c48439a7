// SPDX-License-Identifier: GPL-3.0-or-later
// The [Radio] group of VELMORANT.INI as a hand edit may leave it, one KEY=TEXT a line. Whatever
// the texts, the settings read are within their limits with the radio's frequency above 0, and
// what the program writes back reads again without a note to the same settings.

#include <map>
#include <string>

#include "tests/fuzz/fuzz_input.h"
#include "ui/model/radio/radio_settings.h"
#include "ui/model/radio/rigctld_protocol.h"
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
    const RadioSettingsReading reading = ReadRadioSettings(values);
    const RadioSettings& s = reading.Settings;
    FUZZ_REQUIRE(s.Port >= kLowestPort && s.Port <= kHighestPort);
    FUZZ_REQUIRE(!s.Host.empty());
    FUZZ_REQUIRE(s.SkyFrequencyHz > 0 && s.SkyFrequencyHz <= kHighestRadioFrequencyHz);
    FUZZ_REQUIRE(s.SkyFrequencyHz - s.TransverterOffsetHz > 0);
    FUZZ_REQUIRE(s.StepHz >= kSmallestTuningStepHz && s.StepHz <= kLargestTuningStepHz);
    FUZZ_REQUIRE(!RadioSettingsProblem(s));
    FUZZ_REQUIRE(reading.Problems.size() <= values.size() + 1);

    const auto written = RadioSettingsValues(s);
    const RadioSettingsReading reread = ReadRadioSettings(written);
    FUZZ_REQUIRE(reread.Problems.empty());
    FUZZ_REQUIRE(RadioSettingsValues(reread.Settings) == written);
    return 0;
}
