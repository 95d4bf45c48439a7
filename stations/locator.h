// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Maidenhead locators to and from latitude and longitude, and the work of a station's
// calculation button. Latitude north positive; inside, longitude WEST positive.
//
// A locator is field (two letters A to R), square (two digits) and subsquare (two letters A to
// X), longitude before latitude in each pair: "JN58td". Either case is accepted; any other
// entry is refused.

namespace velmorant {

// The nine values of one station as the calculation works on them. The numbers are 32-bit
// floats because the window stores them so; the calculation's rounding depends on it.
struct LocatorFields {
    std::string Locator;  // "JN58td"; "N POLE"/"S POLE" at the poles
    float LatDeg = 0, LatMin = 0, LatSec = 0;
    std::string LatDir;  // "N" or "S"; only exactly "S" makes the latitude south
    float LonDeg = 0, LonMin = 0, LonSec = 0;
    std::string LonDir;  // "E" or "W"; only exactly "E" makes the longitude east
};

enum class LocatorOutcome {
    Converted,     // done (either direction)
    Pole,          // the coordinates are a pole: the locator is the pole text
    MissingInput,  // "Enter either Coordinates or Locator" ("Input Required"): nothing changed
    Malformed,     // not a locator of 2, 4 or 6 characters of the Maidenhead form: nothing changed
    OutOfRange     // latitude beyond +/-90 or longitude beyond +/-180: nothing changed
};

// Whether the text (blanks around it dropped, either case) is a locator of the Maidenhead form:
// 2, 4 or 6 characters as above.
bool IsLocatorText(const std::string& text);

// One conversion; the locator alone chooses the direction.
//
// A non-empty locator that is not a pole text becomes coordinates. Blanks around it are dropped
// and it is upper-cased; it must then be of the Maidenhead form (else Malformed). Two or four
// characters are completed with "55MM" or "MM" and then give the south-west corner of that
// subsquare, six characters its centre. The locator is rewritten in its finished form (upper-case
// field, lower-case subsquare) and all eight coordinate values are replaced: whole degrees, minutes
// and seconds (rounded, never carried, so 60 can occur) with the hemisphere letters.
//
// An empty locator or a pole text is computed from the coordinates; only the locator changes.
// A fraction in either degree value makes both coordinates decimal degrees (minutes and
// seconds ignored). Latitude exactly 90 N or S gives "N POLE" or "S POLE"; 180 E counts as
// 180 W.
LocatorOutcome ConvertLocator(LocatorFields& fields);

// One press of a calculation button: the first conversion and, unless it ended with a message
// or a pole, a second one from the locator it left (so the coordinates become those of the
// centre of the subsquare). `fields` holds the values to write back; the caller shows
// MessageFor(outcome) and writes back the whole-number parts of the six numbers.
LocatorOutcome CalculateStationLocator(LocatorFields& fields);

// The message text and title of an outcome that shows one (both empty otherwise).
struct LocatorMessage {
    std::string Text;
    std::string Title;
};
LocatorMessage MessageFor(LocatorOutcome outcome);

}  // namespace velmorant
