// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/input_ranges.h"

#include <cmath>
#include <limits>
#include <string>

#include "run/leading_number.h"
#include "run/run_choices.h"

namespace velmorant {

namespace {

constexpr double kUnbounded = std::numeric_limits<double>::max();
constexpr const char* kYearBounds = "a whole number from 1900 to 2100";
static_assert(kFirstYear == 1900 && kLastYear == 2100, "kYearBounds states the years");

// One number box and the closed range its number must lie in.
struct Range {
    const std::string* Text;
    double Low;
    double High;
    const char* Box;     // the box as the message names it
    const char* Bounds;  // the range as the message states it
    bool Whole = false;  // a whole number is required
};

bool InRange(double value, const Range& range) {
    // Written so that a value that is not a number fails as well.
    if (!(value >= range.Low && value <= range.High)) {
        return false;
    }
    return !range.Whole || value == std::floor(value);
}

RunMessage Refusal(const std::string& box, const std::string& bounds) {
    return RunMessage{"Input Required",
                      "The " + box + " must be " + bounds + ".  Please correct it."};
}

std::optional<RunMessage> FirstOutOfRange(std::initializer_list<Range> ranges) {
    for (const Range& range : ranges) {
        if (!InRange(LeadingNumber(*range.Text), range)) {
            return Refusal(range.Box, range.Bounds);
        }
    }
    return std::nullopt;
}

// Each part of a coordinate and then the coordinate they add up to. `parts` is the degree,
// minute and second box; `limit` 90 for a latitude, 180 for a longitude.
std::optional<RunMessage> CoordinateRefusal(const std::string& station, const char* what,
                                            const std::string& deg, const std::string& min,
                                            const std::string& sec, double limit) {
    const std::string name = station + " " + what;
    const std::string bounds = limit == 90 ? "between 90 S and 90 N" : "between 180 W and 180 E";
    const double degrees = LeadingNumber(deg);
    const double minutes = LeadingNumber(min);
    const double seconds = LeadingNumber(sec);
    if (!(std::fabs(degrees) <= limit)) {
        return Refusal(name + " degrees", bounds);
    }
    if (!(std::fabs(minutes) <= 60)) {
        return Refusal(name + " minutes", "between 0 and 60");
    }
    if (!(std::fabs(seconds) <= 60)) {
        return Refusal(name + " seconds", "between 0 and 60");
    }
    // The run adds the parts with one sign each, so a typed minus may add up beyond the limit.
    if (!(std::fabs(degrees + minutes / 60 + seconds / 3600) <= limit)) {
        return Refusal(name, bounds);
    }
    return std::nullopt;
}

std::optional<RunMessage> StationRefusal(const std::string& station, const StationInputs& row) {
    if (auto refusal =
            CoordinateRefusal(station, "latitude", row.LatDeg, row.LatMin, row.LatSec, 90)) {
        return refusal;
    }
    if (auto refusal =
            CoordinateRefusal(station, "longitude", row.LonDeg, row.LonMin, row.LonSec, 180)) {
        return refusal;
    }
    const std::string above = station + " elevation limit Above";
    const std::string below = station + " elevation limit Below";
    return FirstOutOfRange({
        {&row.Above, -90, 90, above.c_str(), "between -90 and 90 degrees"},
        {&row.Below, -90, 90, below.c_str(), "between -90 and 90 degrees"},
    });
}

std::optional<RunMessage> DateRefusal(const WindowInputs& in) {
    if (auto refusal = FirstOutOfRange({
            {&in.YearStart, kFirstYear, kLastYear, "start year", kYearBounds, true},
            {&in.YearEnd, kFirstYear, kLastYear, "end year", kYearBounds, true},
        })) {
        return refusal;
    }
    if (in.MonthStartIndex < 0 || in.MonthStartIndex > 11 || in.DayStartIndex < 0 ||
        in.DayStartIndex > 30) {
        return Refusal("start date", "a month and a day chosen from their lists");
    }
    if (in.MonthEndIndex < 0 || in.MonthEndIndex > 11 || in.DayEndIndex < 0 ||
        in.DayEndIndex > 30) {
        return Refusal("end date", "a month and a day chosen from their lists");
    }
    return std::nullopt;
}

}  // namespace

std::optional<RunMessage> InputRangeRefusal(const WindowInputs& in) {
    const bool realTime = RunOperationAt(in.OperationIndex) == RunOperation::RealTime;
    if (!realTime) {
        if (auto refusal = DateRefusal(in)) {
            return refusal;
        }
    }
    if (auto refusal = StationRefusal("Home", in.Home)) {
        return refusal;
    }
    if (auto refusal = StationRefusal("DX", in.DX)) {
        return refusal;
    }
    // Any object but the Moon is placed by its right ascension and declination.
    if (CelestialObjectAt(in.CelestialIndex) != CelestialObject::Moon) {
        if (auto refusal = FirstOutOfRange({
                {&in.CelestialRAhours, 0, 24, "right ascension hours", "between 0 and 24"},
                {&in.CelestialRAminutes, 0, 60, "right ascension minutes", "between 0 and 60"},
                {&in.CelestialDec, -90, 90, "declination", "between -90 and 90 degrees"},
            })) {
            return refusal;
        }
    }
    if (auto refusal = FirstOutOfRange({
            // 0 K leaves the receiver out of the degradation (an empty box reads as 0).
            {&in.Noise, 0, 100000, "receiver noise temperature", "between 0 and 100000 K"},
            {&in.Band, 1, 1000000, "band", "between 1 and 1000000 MHz"},
        })) {
        return refusal;
    }
    if (realTime) {
        return FirstOutOfRange({
            {&in.TimeDif, -24, 24, "Computer Clock Hours minus UTC", "between -24 and 24"},
        });
    }
    return FirstOutOfRange({
        {&in.IncrementMinutes, 1, 1440, "Increment in minutes", "between 1 and 1440 minutes"},
        {&in.OutputLines, 0, 32767, "Lines per output page", "between 0 and 32767"},
        {&in.AzMin, 0, 360, "easternmost azimuth", "between 0 and 360 degrees"},
        {&in.AzMax, 0, 360, "westernmost azimuth", "between 0 and 360 degrees"},
        {&in.GmtMin, 0, 2400, "GMT starting time", "between 0000 and 2400"},
        {&in.GmtMax, 0, 2400, "GMT ending time", "between 0000 and 2400"},
        {&in.MaxDegradation, 0, kUnbounded, "maximum degradation", "0 dB or more"},
    });
}

}  // namespace velmorant
