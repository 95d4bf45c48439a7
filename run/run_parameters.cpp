// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_parameters.h"

#include <cmath>
#include <optional>

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "core/series/station_geometry.h"
#include "run/input_ranges.h"
#include "run/leading_number.h"

namespace velmorant {

namespace {

// Fallback program paths used when the window's boxes are empty.
constexpr const char* kDefaultTextEditor = "C:\\WINDOWS\\notepad.exe";
constexpr const char* kDefaultAdobeReader =
    "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe";

// A list position (0-based, -1 for none) plus one: month and day numbers from their lists.
int PositionPlusOne(int index) {
    return index + 1;
}

// Signed degrees from the three number boxes and the direction letter: only the exact positive
// letter gives +1, anything else -1, and the sign multiplies each part (a typed minus combines
// with the letter).
double SignedDegrees(const std::string& deg, const std::string& min, const std::string& sec,
                     const std::string& direction, const char* positiveLetter) {
    const double sign = direction == positiveLetter ? 1.0 : -1.0;
    return sign * LeadingNumber(deg) + sign * LeadingNumber(min) / 60.0 +
           sign * LeadingNumber(sec) / 3600.0;
}

StationSite ReadStation(const StationInputs& row) {
    StationSite site;
    site.Callsign = row.Callsign;
    site.Locator = row.Locator;
    site.Notes = row.Notes;
    site.Latitude = SignedDegrees(row.LatDeg, row.LatMin, row.LatSec, row.LatDir, "N");
    site.Longitude = SignedDegrees(row.LonDeg, row.LonMin, row.LonSec, row.LonDir, "W");
    site.Above = LeadingNumber(row.Above);
    site.Below = LeadingNumber(row.Below);
    return site;
}

void SetRadians(StationSite& site) {
    site.LatitudeRad = site.Latitude * DegToRad;
    site.LongitudeRad = site.Longitude * DegToRad;
    site.BelowRad = static_cast<float>(site.Below * DegToRad);
    site.AboveRad = static_cast<float>(site.Above * DegToRad);
}

// The IARU region that holds a west-positive longitude in degrees.
int RegionOfLongitude(double longitudeWest) {
    if (longitudeWest > -80.0 && longitudeWest <= 40.0) {
        return 1;
    }
    if (longitudeWest > 40.0 && longitudeWest <= 160.0) {
        return 2;
    }
    return 3;
}

// A 16-bit store that saturates instead of refusing, for fields whose range is checked before or
// that the run does not use.
std::int16_t SaturatedInteger16(double value) {
    if (const auto stored = ToInteger16(value)) {
        return *stored;
    }
    return value < 0 ? INT16_MIN : INT16_MAX;
}

// The Home azimuth window (degrees and radians) and the UTC time window.
void ReadWindows(const WindowInputs& in, RunParameters& p) {
    p.AzMax = static_cast<float>(LeadingNumber(in.AzMax));
    p.AzMin = static_cast<float>(LeadingNumber(in.AzMin));
    p.AzMaxRad = static_cast<float>(p.AzMax * Pi / 180.0);
    p.AzMinRad = static_cast<float>(p.AzMin * Pi / 180.0);
    const double gmtLow = LeadingNumber(in.GmtMin);
    const double gmtHigh = LeadingNumber(in.GmtMax);
    p.GmtWindowLow = static_cast<float>(gmtLow);
    p.GmtWindowHigh = static_cast<float>(gmtHigh);

    // A window across midnight or an empty one becomes the whole day here; the per-instant test
    // still honours the typed window.
    if (gmtLow < gmtHigh) {
        p.GmtMin = static_cast<float>(gmtLow);
        p.GmtMax = SaturatedInteger16(gmtHigh);
    } else {
        p.GmtMin = 0;
        p.GmtMax = 2400;
    }
}

// The right ascension, declination and caption of an object other than the Moon.
void ReadFixedObject(const WindowInputs& in, RunParameters& p) {
    const double hours = LeadingNumber(in.CelestialRAhours);
    const double minutes = LeadingNumber(in.CelestialRAminutes);
    p.ObjectRA = static_cast<float>((hours + minutes / 60.0) * TwoPi / 24.0);
    p.ObjectDec = static_cast<float>(LeadingNumber(in.CelestialDec) * TwoPi / 360.0);
    p.ObjectCaption =
        in.CelestialRAhours + " H " + in.CelestialRAminutes + " M, " + in.CelestialDec + "\u00B0";
    // The list's text decides, as it always did; the window keeps text and position together.
    p.SunSelected = p.CelestialName == "Sun";
    if (p.SunSelected) {
        p.ObjectCaption.clear();
    }
}

}  // namespace

StationSite GatherDxSite(const StationInputs& row) {
    StationSite site = ReadStation(row);
    SetRadians(site);
    return site;
}

// One field after the other, in the order the window is read: long because it is the list of
// the run's values, each taken from its box with its own rule.
std::variant<RunParameters, RunMessage> GatherRunParameters(const WindowInputs& in) {
    if (auto refusal = InputRangeRefusal(in)) {
        return *refusal;
    }
    RunParameters p;

    p.MaxDegradation = static_cast<float>(LeadingNumber(in.MaxDegradation));

    p.MonthStart = PositionPlusOne(in.MonthStartIndex);
    p.DayStart = PositionPlusOne(in.DayStartIndex);
    // Planning has refused years, increments and page lengths outside their ranges; Real-Time
    // does not use them.
    p.YearStart = SaturatedInteger16(LeadingNumber(in.YearStart));
    p.MonthEnd = PositionPlusOne(in.MonthEndIndex);
    p.DayEnd = PositionPlusOne(in.DayEndIndex);
    p.YearEnd = SaturatedInteger16(LeadingNumber(in.YearEnd));

    p.DisplayHome = in.Home.DisplayChecked;
    p.DisplayDX = in.DX.DisplayChecked;
    p.Units = DistanceUnitAt(in.UnitsIndex);

    p.Home = ReadStation(in.Home);
    // The Home row is held in single precision.
    p.Home.Latitude = static_cast<float>(p.Home.Latitude);
    p.Home.Longitude = static_cast<float>(p.Home.Longitude);
    p.DX = ReadStation(in.DX);

    p.Object = CelestialObjectAt(in.CelestialIndex);
    p.ObjectName = in.EnterObject;
    p.NoiseTemperature = static_cast<float>(LeadingNumber(in.Noise));
    p.IncrementMinutes = SaturatedInteger16(LeadingNumber(in.IncrementMinutes));
    p.OutputLines = SaturatedInteger16(LeadingNumber(in.OutputLines));
    p.Band = in.Band;
    p.BandMHz = LeadingNumber(in.Band);
    p.TimeDif = static_cast<float>(LeadingNumber(in.TimeDif));
    p.Operation = RunOperationAt(in.OperationIndex);
    p.CelestialName = in.CelestialText;
    p.TextEditor = in.TextEditor.empty() ? kDefaultTextEditor : in.TextEditor;
    p.AdobeReader = in.AdobeReader.empty() ? kDefaultAdobeReader : in.AdobeReader;

    ReadWindows(in, p);

    p.StartDayNumber = DayNumber(p.YearStart, p.MonthStart, p.DayStart);
    p.EndDayNumber = DayNumber(p.YearEnd, p.MonthEnd, p.DayEnd);

    p.Region = RegionOfLongitude(p.Home.Longitude);

    SetRadians(p.Home);
    SetRadians(p.DX);

    if (p.IsFixedObject()) {
        ReadFixedObject(in, p);
    }

    p.BothStations = p.DisplayHome && p.DisplayDX;

    const bool miles = p.Units == DistanceUnit::Miles;
    const StationDistanceResult distance =
        StationDistance(p.Home.LatitudeRad, p.Home.LongitudeRad, p.DX.LatitudeRad,
                        p.DX.LongitudeRad, miles ? 1 : 0);
    p.DxDistance = distance.Distance;
    p.UnitsLabel = miles ? "MI" : "KM";
    return p;
}

}  // namespace velmorant
