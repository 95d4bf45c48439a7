// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/rows/planning_rows.h"

#include <string>

#include "core/common/constants.h"
#include "core/ephemeris/doppler.h"
#include "core/ephemeris/moon_echo.h"
#include "core/ephemeris/sun_moon_angle.h"
#include "run/instant_position.h"
#include "run/planning/instant_utc.h"

namespace velmorant {

namespace {

// Which runs show a column: every run, or those that display that station or both.
enum class Shown { Always, Home, DX, Both };

bool IsShown(Shown shown, const RunParameters& params) {
    switch (shown) {
        case Shown::Always:
            return true;
        case Shown::Home:
            return params.DisplayHome;
        case Shown::DX:
            return params.DisplayDX;
        case Shown::Both:
            return params.BothStations;
    }
    return false;
}

// Radians as degrees, as the report converts them before rounding.
double Degrees(double radians) {
    return radians * (360.0 / TwoPi);
}

// What a Moon row is made of: the walk's instant and the Doppler shifts, echo figures and
// Sun-Moon angle of that instant.
struct MoonFigures {
    MoonDopplerResult Doppler;
    MoonEchoFigures Echo;
    double SunMoonAngleDeg = 0;
};
struct MoonRow {
    const MoonReportInstant& Instant;
    const MoonFigures& Figures;
};

struct MoonColumn {
    const char* Name;  // with its unit
    Shown When;
    DataValue (*Value)(const MoonRow&);
};

// The Moon's columns after the date and the time. A new quantity of the instant is one more
// line here.
const MoonColumn kMoonColumns[] = {
    {"home_azimuth_deg", Shown::Home,
     [](const MoonRow& r) -> DataValue { return Degrees(r.Instant.Home.AzimuthSingle); }},
    {"home_elevation_deg", Shown::Home,
     [](const MoonRow& r) -> DataValue { return Degrees(r.Instant.Home.ElevationSingle); }},
    {"dx_azimuth_deg", Shown::DX,
     [](const MoonRow& r) -> DataValue { return Degrees(r.Instant.DX.AzimuthSingle); }},
    {"dx_elevation_deg", Shown::DX,
     [](const MoonRow& r) -> DataValue { return Degrees(r.Instant.DX.ElevationSingle); }},
    {"polarization_offset_deg", Shown::Both,
     [](const MoonRow& r) -> DataValue { return double{r.Instant.PolarizationOffset}; }},
    {"declination_deg", Shown::Always,
     [](const MoonRow& r) -> DataValue { return Degrees(r.Instant.TopoDeclination); }},
    {"greenwich_hour_angle_deg", Shown::Always,
     [](const MoonRow& r) -> DataValue { return Degrees(r.Instant.TopoGreenwichHourAngle); }},
    {"sky_temperature_k", Shown::Always,
     [](const MoonRow& r) -> DataValue { return r.Instant.SkyTemperature; }},
    {"degradation_db", Shown::Always,
     [](const MoonRow& r) -> DataValue { return double{r.Instant.Degradation}; }},
    {"phase_mark", Shown::Always,
     [](const MoonRow& r) -> DataValue {
         const std::string_view mark = r.Instant.PhaseMark;
         const auto first = mark.find_first_not_of(' ');
         return std::string(first == std::string_view::npos ? "" : mark.substr(first));
     }},
    {"activity_letter", Shown::Always,
     [](const MoonRow& r) -> DataValue {
         const char letter = r.Instant.ActivityLetter;
         return letter == ' ' ? std::string() : std::string(1, letter);
     }},
    {"echo_doppler_hz", Shown::Home,
     [](const MoonRow& r) -> DataValue { return r.Figures.Doppler.EchoHz; }},
    {"dx_doppler_hz", Shown::Both,
     [](const MoonRow& r) -> DataValue { return r.Figures.Doppler.DXHz; }},
    {"echo_spread_hz", Shown::Home,
     [](const MoonRow& r) -> DataValue { return r.Figures.Echo.EchoSpreadHz; }},
    {"dx_spread_hz", Shown::Both,
     [](const MoonRow& r) -> DataValue { return r.Figures.Echo.DXSpreadHz; }},
    {"echo_doppler_rate_hz_per_min", Shown::Home,
     [](const MoonRow& r) -> DataValue { return r.Figures.Echo.EchoDopplerRateHzPerMin; }},
    {"echo_delay_s", Shown::Home,
     [](const MoonRow& r) -> DataValue { return r.Figures.Echo.EchoDelayS; }},
    {"sun_moon_angle_deg", Shown::Home,
     [](const MoonRow& r) -> DataValue { return r.Figures.SunMoonAngleDeg; }},
};

// The figures of a row's instant at carrierHz, all with the instant's one frame (the Doppler then
// as MoonDoppler gives it without a frame, to the last bit).
MoonFigures FiguresAt(const UtcDateTime& utc, const GeoSite& home, const GeoSite& dx,
                      double carrierHz) {
    const DopplerFrame frame = DopplerFrameAt(utc);
    MoonFigures figures;
    figures.Doppler = MoonDoppler(utc, frame, home, dx, carrierHz);
    figures.Echo = MoonEchoFiguresAt(utc, frame, home, dx, carrierHz);
    figures.SunMoonAngleDeg = SunMoonAngleDeg(utc, frame, home);
    return figures;
}

// The station a fixed-object run shows: Home when displayed, else DX.
std::string FixedStationPrefix(const RunParameters& params) {
    return params.DisplayHome ? "home_" : "dx_";
}

}  // namespace

std::vector<std::string> PlanningColumns(const RunParameters& params) {
    std::vector<std::string> columns = {"date", "utc"};
    if (params.IsMoon()) {
        for (const MoonColumn& column : kMoonColumns) {
            if (IsShown(column.When, params)) {
                columns.emplace_back(column.Name);
            }
        }
        return columns;
    }
    const std::string station = FixedStationPrefix(params);
    columns.push_back(station + "azimuth_deg");
    columns.push_back(station + "elevation_deg");
    columns.emplace_back("declination_deg");
    columns.emplace_back("right_ascension_h");
    // The Sun's noise near the Moon matters whatever is watched; the echo's figures belong to
    // the Moon's rows alone.
    if (params.DisplayHome) {
        columns.emplace_back("sun_moon_angle_deg");
    }
    return columns;
}

PlanningRows::PlanningRows(const RunParameters& params, ReportSink& sink, DataFormat format)
    : params_(params),
      layout_(params.OutputLines, params.IncrementMinutes, params.MaxDegradation),
      rows_(sink, format, PlanningColumns(params)) {}

void PlanningRows::StartMoonDay(const MoonReportDay& day) {
    date_ = IsoDateText(day.Year, day.Month, day.Day);
    day_ = CalendarDate{day.Year, day.Month, day.Day};
    layout_.StartDay();
}

bool PlanningRows::WriteMoonInstant(const MoonReportInstant& instant) {
    if (layout_.Place(instant.DayFraction, instant.Degradation).Skipped) {
        return false;
    }
    // The Doppler and echo columns all need Home (the echo alone, or with DX); ERFA's place
    // costs tens of microseconds, so it is computed only for rows that print it.
    const MoonFigures figures =
        params_.DisplayHome
            ? FiguresAt(InstantUtc(day_, instant.DayFraction), GeoSiteOf(params_.Home),
                        GeoSiteOf(params_.DX), params_.BandMHz * 1e6)
            : MoonFigures{};
    std::vector<DataValue> row = {date_, UtcClockText(instant.UtcHHMM)};
    for (const MoonColumn& column : kMoonColumns) {
        if (IsShown(column.When, params_)) {
            row.push_back(column.Value(MoonRow{instant, figures}));
        }
    }
    rows_.Write(row);
    return true;
}

void PlanningRows::StartFixedDay(const FixedObjectReportDay& day) {
    date_ = IsoDateText(day.Year, day.Month, day.Day);
    day_ = CalendarDate{day.Year, day.Month, day.Day};
}

bool PlanningRows::WriteFixedInstant(const FixedObjectReportInstant& instant) {
    // As the report refuses at its first header: such objects are placed for one station only.
    if (params_.BothStations) {
        return false;
    }
    std::vector<DataValue> row = {date_,
                                  UtcClockText(instant.UtcHHMM),
                                  Degrees(instant.View.AzimuthSingle),
                                  Degrees(instant.View.ElevationSingle),
                                  Degrees(instant.Declination),
                                  instant.RightAscension * 24.0 / TwoPi};
    if (params_.DisplayHome) {
        row.emplace_back(
            SunMoonAngleDeg(InstantUtc(day_, instant.DayFraction), GeoSiteOf(params_.Home)));
    }
    rows_.Write(row);
    return true;
}

}  // namespace velmorant
