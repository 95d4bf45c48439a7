// SPDX-License-Identifier: GPL-3.0-or-later
// The station's calculation button on any locator text and any six numbers (every float bit
// pattern). Input: one byte choosing one conversion or the full button press, the six numbers
// (latitude degrees, minutes, seconds, longitude degrees, minutes, seconds), the latitude and
// longitude letters up to LF each, then the locator text.

#include <cmath>
#include <cstring>
#include <string>

#include "stations/locator.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

// Equal field for field; numbers bit for bit, so that a NaN left in place compares equal.
bool Same(const velmorant::LocatorFields& a, const velmorant::LocatorFields& b) {
    const float an[] = {a.LatDeg, a.LatMin, a.LatSec, a.LonDeg, a.LonMin, a.LonSec};
    const float bn[] = {b.LatDeg, b.LatMin, b.LatSec, b.LonDeg, b.LonMin, b.LonSec};
    return a.Locator == b.Locator && a.LatDir == b.LatDir && a.LonDir == b.LonDir &&
           std::memcmp(an, bn, sizeof an) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    const bool buttonPress = input.Byte() % 2 == 1;
    LocatorFields fields;
    for (float* number : {&fields.LatDeg, &fields.LatMin, &fields.LatSec, &fields.LonDeg,
                          &fields.LonMin, &fields.LonSec}) {
        *number = input.Float();
    }
    fields.LatDir = input.Line();
    fields.LonDir = input.Line();
    fields.Locator = input.Rest();

    const LocatorFields given = fields;
    std::string upper = given.Locator;
    for (char& c : upper) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const bool fromCoordinates = upper.empty() || upper == "N POLE" || upper == "S POLE";
    const LocatorOutcome outcome =
        buttonPress ? CalculateStationLocator(fields) : ConvertLocator(fields);

    switch (outcome) {
        case LocatorOutcome::Converted:
            FUZZ_REQUIRE(fields.Locator.size() == 6);
            if (buttonPress || !fromCoordinates) {
                // The coordinates were computed from a locator: finite, with their letters.
                for (float number : {fields.LatDeg, fields.LatMin, fields.LatSec, fields.LonDeg,
                                     fields.LonMin, fields.LonSec}) {
                    FUZZ_REQUIRE(std::isfinite(number) && number >= 0);
                }
                // A locator lies on the globe.
                FUZZ_REQUIRE(fields.LatDeg <= 90 && fields.LonDeg <= 180);
                FUZZ_REQUIRE(fields.LatDir == "N" || fields.LatDir == "S");
                FUZZ_REQUIRE(fields.LonDir == "E" || fields.LonDir == "W");
            }
            break;
        case LocatorOutcome::Pole:
            FUZZ_REQUIRE(fields.Locator == "N POLE" || fields.Locator == "S POLE");
            break;
        case LocatorOutcome::MissingInput:
        case LocatorOutcome::Malformed:
        case LocatorOutcome::OutOfRange:
            FUZZ_REQUIRE(Same(fields, given));  // a message, and nothing changed
            break;
    }
    return 0;
}
