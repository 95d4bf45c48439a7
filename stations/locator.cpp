// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/locator.h"

#include <cmath>
#include <cstddef>

namespace velmorant {

namespace {

constexpr std::size_t kLocatorLength = 6;
// Fields A to R: 18 a side, 20 degrees of longitude and 10 of latitude each.
constexpr int kFieldCount = 18;

// Character codes are taken as unsigned bytes so that 8-bit text gives codes 128..255, as the
// formulas expect, and never negative ones.
int CodeAt(const std::string& text, std::size_t index) {
    return static_cast<unsigned char>(text[index]);
}

// ASCII only: the result must not depend on the user's locale.
std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// A pole text left in the locator box by an earlier press is not a locator: the press then
// works from the coordinates. Case does not matter, so a typed "n pole" behaves the same.
bool IsPoleText(const std::string& text) {
    const std::string upper = UpperCase(text);
    return upper == "N POLE" || upper == "S POLE";
}

// Positions 5 and 6 get 32 added to any code below 91: the subsquare letters in lower case.
void ApplySubsquareRule(std::string& locator) {
    for (std::size_t i = 4; i < kLocatorLength; ++i) {
        const int code = CodeAt(locator, i);
        if (code < 91) {
            locator[i] = static_cast<char>(code + 32);
        }
    }
}

bool HasFraction(float value) {
    return value - std::floor(value) > 0.0f;
}

// Whole degrees, minutes and seconds of |angle|. Seconds are rounded to the nearest second but
// not carried into the minutes: a fraction of a minute just below 1 gives 60 seconds.
void SplitDegrees(double angle, float& degrees, float& minutes, float& seconds) {
    const double a = std::fabs(angle);
    const double wholeDegrees = std::floor(a);
    const double m = 60.0 * (a - wholeDegrees);
    const double wholeMinutes = std::floor(m);
    degrees = static_cast<float>(wholeDegrees);
    minutes = static_cast<float>(wholeMinutes);
    seconds = static_cast<float>(std::floor(60.0 * (m - wholeMinutes) + 0.5));
}

// Blanks typed around a locator are not part of it.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// An upper-cased locator of the Maidenhead form: 2, 4 or 6 characters, field letters A to R,
// square digits, subsquare letters A to X. Anything else would put the station off the globe
// (ZZ99ZZ at 170 N, 340 E) or somewhere it is not.
bool IsMaidenhead(const std::string& text) {
    if (text.size() != 2 && text.size() != 4 && text.size() != kLocatorLength) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool ok = i < 2   ? c >= 'A' && c <= 'R'
                        : i < 4 ? c >= '0' && c <= '9'
                                : c >= 'A' && c <= 'X';
        if (!ok) {
            return false;
        }
    }
    return true;
}

LocatorOutcome LocatorToCoordinates(LocatorFields& fields) {
    std::string text = UpperCase(Trimmed(fields.Locator));
    if (!IsMaidenhead(text)) {
        return LocatorOutcome::Malformed;
    }
    // A complete locator stands for the centre of its subsquare. A short one is filled up to
    // subsquare "MM" (and square "55"), and then gives that subsquare's south-west corner.
    double k = 0.5;
    if (text.size() == 4) {
        text += "MM";
        k = 0.0;
    } else if (text.size() == 2) {
        text += "55MM";
        k = 0.0;
    }

    const int c1 = CodeAt(text, 0);
    const int c2 = CodeAt(text, 1);
    const int d3 = CodeAt(text, 2) - '0';
    const int d4 = CodeAt(text, 3) - '0';
    const int c5 = CodeAt(text, 4);
    const int c6 = CodeAt(text, 5);
    // Fields are 20 x 10 degrees, squares 2 x 1, subsquares 5 x 2.5 minutes.
    const double lonW = 180.0 - 20.0 * (c1 - 65) - 2.0 * d3 - ((c5 - 65) + k) / 12.0;
    const double lat = 10.0 * (c2 - 65) - 90.0 + d4 + ((c6 - 65) + k) / 24.0;

    fields.LatDir = lat > 0 ? "N" : "S";
    fields.LonDir = lonW > 0 ? "W" : "E";
    SplitDegrees(lat, fields.LatDeg, fields.LatMin, fields.LatSec);
    SplitDegrees(lonW, fields.LonDeg, fields.LonMin, fields.LonSec);
    ApplySubsquareRule(text);
    fields.Locator = text;
    return LocatorOutcome::Converted;
}

// The six characters of the locator of a position (degrees, latitude north, longitude WEST
// positive, on the globe and not a pole), before the subsquare rule; empty when the position
// rounds onto the north pole. E, A and their square parts E' and A' are each computed in double
// from the single values and stored as singles; the two subsquare products are formed in double
// from those singles. For a position on or very near a boundary these roundings decide the
// character, so each step keeps its precision exactly.
std::string LocatorCharacters(float lat, float lonW) {
    const float e = static_cast<float>((180.0 - static_cast<double>(lonW)) / 20.0);
    const float a = static_cast<float>((90.0 + static_cast<double>(lat)) / 10.0);
    const float eFloor = std::floor(e);
    const float aFloor = std::floor(a);
    const float eSquare =
        static_cast<float>((static_cast<double>(e) - static_cast<double>(eFloor)) * 10.0);
    const float aSquare =
        static_cast<float>((static_cast<double>(a) - static_cast<double>(aFloor)) * 10.0);
    const double eSquareFraction =
        static_cast<double>(eSquare) - std::floor(static_cast<double>(eSquare));
    const double aSquareFraction =
        static_cast<double>(aSquare) - std::floor(static_cast<double>(aSquare));

    int eField = static_cast<int>(eFloor);
    int aField = static_cast<int>(aFloor);
    int eDigit = static_cast<int>(std::floor(eSquare));
    int aDigit = static_cast<int>(std::floor(aSquare));
    // Within a float's step below a square's or field's edge the singles round up onto it (e.g.
    // 89.99999 N gives A = 18.0): the position then counts as on that edge, carried to the next
    // square or field. Past the last field the longitude meets 180 W again, where field A
    // starts; the latitude reaches the north pole, which has no locator.
    if (eDigit >= 10) {
        eDigit -= 10;
        ++eField;
    }
    if (aDigit >= 10) {
        aDigit -= 10;
        ++aField;
    }
    if (eField >= kFieldCount) {
        eField -= kFieldCount;
    }
    if (aField >= kFieldCount) {
        return std::string();
    }

    std::string locator(kLocatorLength, ' ');
    locator[0] = static_cast<char>(65 + eField);
    locator[1] = static_cast<char>(65 + aField);
    locator[2] = static_cast<char>(48 + eDigit);
    locator[3] = static_cast<char>(48 + aDigit);
    locator[4] = static_cast<char>(65 + static_cast<int>(std::floor(eSquareFraction * 24.0)));
    locator[5] = static_cast<char>(65 + static_cast<int>(std::floor(aSquareFraction * 24.0)));
    return locator;
}

// The coordinates are added in single precision (see LocatorCharacters for the rest).
LocatorOutcome CoordinatesToLocator(LocatorFields& fields) {
    const float sum = fields.LatDeg + fields.LatMin + fields.LatSec + fields.LonDeg +
                      fields.LonMin + fields.LonSec;
    // Written as "not greater" so that a sum that is not a number also counts as missing.
    if (!(sum > 0.0f)) {
        return LocatorOutcome::MissingInput;
    }

    float lat = 0.0f;
    float lon = 0.0f;
    if (HasFraction(fields.LatDeg) || HasFraction(fields.LonDeg)) {
        // Decimal degrees: one fraction is enough for both, minutes and seconds are ignored.
        lat = fields.LatDeg;
        lon = fields.LonDeg;
    } else {
        lat = fields.LatDeg + fields.LatMin / 60.0f + fields.LatSec / 3600.0f;
        lon = fields.LonDeg + fields.LonMin / 60.0f + fields.LonSec / 3600.0f;
    }
    if (fields.LatDir == "S") {
        lat = -lat;
    }
    float lonW = fields.LonDir == "E" ? -lon : lon;

    // Beyond the globe the character codes leave the letters and digits (and may not even be
    // printable). Written so that a value that is not a number is refused too.
    if (!(std::fabs(lat) <= 90.0f) || !(std::fabs(lonW) <= 180.0f)) {
        return LocatorOutcome::OutOfRange;
    }
    // Every locator field touches a pole, so a pole has no locator of its own.
    if (lat == 90.0f) {
        fields.Locator = "N POLE";
        return LocatorOutcome::Pole;
    }
    if (lat == -90.0f) {
        fields.Locator = "S POLE";
        return LocatorOutcome::Pole;
    }
    // 180 E and 180 W are one meridian; as 180 E it would give field letter S, past R.
    if (lonW == -180.0f) {
        lonW = 180.0f;
    }

    std::string locator = LocatorCharacters(lat, lonW);
    if (locator.empty()) {
        fields.Locator = "N POLE";  // rounded onto the pole
        return LocatorOutcome::Pole;
    }
    ApplySubsquareRule(locator);
    fields.Locator = locator;
    return LocatorOutcome::Converted;
}

}  // namespace

bool IsLocatorText(const std::string& text) {
    return IsMaidenhead(UpperCase(Trimmed(text)));
}

LocatorOutcome ConvertLocator(LocatorFields& fields) {
    if (fields.Locator.empty() || IsPoleText(fields.Locator)) {
        return CoordinatesToLocator(fields);
    }
    return LocatorToCoordinates(fields);
}

LocatorOutcome CalculateStationLocator(LocatorFields& fields) {
    const LocatorOutcome first = ConvertLocator(fields);
    if (first != LocatorOutcome::Converted) {
        return first;
    }
    // The locator is now six characters, so this pass always goes locator to coordinates.
    return ConvertLocator(fields);
}

LocatorMessage MessageFor(LocatorOutcome outcome) {
    switch (outcome) {
        case LocatorOutcome::MissingInput:
            return {"Enter either Coordinates or Locator", "Input Required"};
        case LocatorOutcome::Malformed:
            return {
                "A locator has 2, 4 or 6 characters: two field letters A to R, two square "
                "digits and two subsquare letters A to X (for example JN58td).  Please correct "
                "the locator.",
                "Input Required"};
        case LocatorOutcome::OutOfRange:
            return {
                "The latitude must lie between 90 S and 90 N and the longitude between 180 W "
                "and 180 E.  Please correct the coordinates.",
                "Input Required"};
        case LocatorOutcome::Converted:
        case LocatorOutcome::Pole:
            break;
    }
    return {};
}

}  // namespace velmorant
