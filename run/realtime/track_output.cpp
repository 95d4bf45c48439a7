// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/track_output.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/constants.h"
#include "run/report/report_numbers.h"
#include "run/report/report_text.h"
#include "run/rows/data_rows.h"

namespace velmorant {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string IsoUtc(const UtcInstant& utc) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.Year, utc.Month, utc.Day,
                  utc.Hour, utc.Minute, utc.Second);
    return text;
}

double EastDegrees(double westRadians) {
    return westRadians == 0 ? 0 : -westRadians * RadToDeg;
}

// The items of a frame, in order: a name, the text the window shows, and the unrounded number
// with its unit for JSON (a text item has no unit).
struct Item {
    std::string Name;
    std::string Text;
    std::string Unit;  // "" for a text item
    double Number = 0;
};

void Station(std::vector<Item>& items, const char* prefix, const std::string& callsign,
             const std::string& locator, const StationView& view, const std::string& azimuth,
             const std::string& elevation) {
    const std::string p(prefix);
    items.push_back({p + "_callsign", callsign, "", 0});
    items.push_back({p + "_locator", locator, "", 0});
    items.push_back({p + "_azimuth", azimuth, "deg", view.Azimuth * RadToDeg});
    items.push_back({p + "_elevation", elevation, "deg", view.Elevation * RadToDeg});
}

void MoonItems(std::vector<Item>& items, const TrackFrame& f) {
    const RealTimePassResult& pass = f.Pass;
    const RealTimeFrame& labels = pass.Frame;
    items.push_back({"degradation", Trimmed(labels.DegradationText), "db", pass.Degradation});
    items.push_back(
        {"sky_temperature", FormatWhole(pass.SkyTemperature), "k", pass.SkyTemperature});
    items.push_back({"topocentric_gha", Trimmed(f.TopocentricGHA), "deg",
                     f.Topocentric.GreenwichHourAngle * RadToDeg});
    items.push_back({"topocentric_declination", Trimmed(f.TopocentricDec), "deg",
                     f.Topocentric.Declination * RadToDeg});
    items.push_back({"band", f.Band, "mhz", pass.BandMHz});
    items.push_back({"echo_doppler", labels.EchoDopplerText, "hz", pass.Doppler.EchoHz});
    if (labels.ShowDX) {
        items.push_back({"dx_doppler", labels.DXDopplerText, "hz", pass.Doppler.DXHz});
    }
}

// The Moon's echo figures (null in JSON, blank in text, for another object: they are the Moon's)
// and the Sun-Moon angle, which is the Moon's and the Sun's whatever the object.
void EchoFigureItems(std::vector<Item>& items, const TrackFrame& f) {
    const RealTimePassResult& pass = f.Pass;
    const RealTimeFrame& labels = pass.Frame;
    const auto moonOnly = [&pass](double value) {
        return pass.Moon ? value : std::numeric_limits<double>::quiet_NaN();
    };
    items.push_back({"echo_spread", labels.EchoSpreadText, "hz", moonOnly(pass.Echo.EchoSpreadHz)});
    if (labels.ShowDX) {
        items.push_back({"dx_spread", labels.DXSpreadText, "hz", moonOnly(pass.Echo.DXSpreadHz)});
    }
    items.push_back({"echo_doppler_rate", labels.DopplerRateText, "hz_per_min",
                     moonOnly(pass.Echo.EchoDopplerRateHzPerMin)});
    items.push_back({"echo_delay", labels.EchoDelayText, "s", moonOnly(pass.Echo.EchoDelayS)});
    items.push_back({"sun_moon_angle", labels.SunMoonAngleText, "deg", pass.SunMoonAngleDeg});
}

std::vector<Item> Items(const TrackFrame& f) {
    const RealTimePassResult& pass = f.Pass;
    const RealTimeFrame& labels = pass.Frame;
    std::vector<Item> items;
    items.push_back({"utc", IsoUtc(pass.Utc), "", 0});
    items.push_back({"object", pass.ObjectText, "", 0});
    if (labels.ShowHome) {
        Station(items, "home", f.HomeCallsign, f.HomeLocator, pass.Home,
                Trimmed(labels.HomeAzimuth), Trimmed(labels.HomeElevation));
    }
    if (labels.ShowDX) {
        Station(items, "dx", f.DXCallsign, f.DXLocator, pass.DX, Trimmed(labels.DXAzimuth),
                Trimmed(labels.DXElevation));
    }
    if (labels.ShowPolarization) {
        items.push_back({"polarization_offset", Trimmed(labels.PolarizationText), "deg",
                         pass.PolarizationOffset});
    }
    items.push_back({"gha", Trimmed(AngleText(pass.GreenwichHourAngle)), "deg",
                     pass.GreenwichHourAngle * RadToDeg});
    items.push_back(
        {"declination", Trimmed(AngleText(pass.Declination)), "deg", pass.Declination * RadToDeg});
    if (pass.Moon) {
        MoonItems(items, f);
    }
    EchoFigureItems(items, f);
    items.push_back({"subpoint_latitude", Trimmed(AngleText(f.SubPointLatitudeRad)), "deg",
                     f.SubPointLatitudeRad * RadToDeg});
    const double east = EastDegrees(f.SubPointLongitudeWestRad);
    items.push_back(
        {"subpoint_longitude_east", Trimmed(AngleText(-f.SubPointLongitudeWestRad)), "deg", east});
    if (!labels.ClockCheck.empty()) {
        items.push_back({"clock_check", labels.ClockCheck, "", 0});
    }
    return items;
}

// A JSON number: the shortest text that reads back as the same double; null when not finite.
std::string JsonNumber(double value) {
    return std::isfinite(value) ? ShortestNumber(value) : std::string("null");
}

}  // namespace

std::string TrackText(const TrackFrame& frame) {
    std::string text;
    for (const Item& item : Items(frame)) {
        text += item.Name + ": " + item.Text + "\n";
    }
    return text;
}

std::string TrackJson(const TrackFrame& frame) {
    std::string json = "{";
    const char* separator = "\n  ";
    for (const Item& item : Items(frame)) {
        json += separator;
        separator = ",\n  ";
        if (item.Unit.empty()) {
            json += JsonText(item.Name) + ": " + JsonText(item.Text);
        } else {
            json += JsonText(item.Name + "_" + item.Unit) + ": " + JsonNumber(item.Number);
        }
    }
    return json + "\n}\n";
}

}  // namespace velmorant
