// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/real_time_pass.h"

#include <cstdio>
#include <string_view>

#include "core/common/numeric.h"
#include "core/ephemeris/sun_moon_angle.h"
#include "core/series/polarization.h"
#include "core/series/sun.h"
#include "run/instant_position.h"
#include "run/realtime/clock_check.h"
#include "run/report/report_numbers.h"
#include "run/report/report_text.h"

namespace velmorant {

namespace {

std::string ClockText(int hour, int minute, int second) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    return text;
}

// A station's name in its row and on the map: its callsign, or the locator of a station entered
// by locator (or coordinates) only.
std::string StationName(const StationSite& site) {
    const bool noCallsign = site.Callsign.find_first_not_of(' ') == std::string::npos;
    return noCallsign ? site.Locator : site.Callsign;
}

// The degradation box: -r with one decimal, r the degradation rounded to 0.1 dB.
void SetDegradationBox(RealTimeFrame& frame, float degradationDb) {
    const double rounded = RoundToStep(degradationDb, 10);
    if (rounded > 6) {
        frame.DegradationColour = TextColour::Red;
    } else if (rounded > 4) {
        frame.DegradationColour = TextColour::Orange;
    } else if (rounded > 2) {
        frame.DegradationColour = TextColour::Yellow;
    } else {
        frame.DegradationColour = TextColour::Green;
    }
    frame.DegradationText = RightAlign(FormatFixed(-rounded, 1), 6);
}

// A shift in whole hertz (half away from zero), no grouping: "-1234 Hz", "28123 Hz".
std::string DopplerText(double hertz) {
    return FormatWhole(hertz) + " Hz";
}

UtcDateTime PassInstant(const UtcInstant& utc) {
    return {utc.Year, utc.Month, utc.Day, utc.Hour, utc.Minute, static_cast<double>(utc.Second)};
}

// The Doppler shifts and the echo figures of the pass's UTC second at the band's frequency, with
// the cache's frame.
void SetMoonEchoFigures(RealTimePassResult& pass, const RunParameters& params,
                        RealTimeCache& cache) {
    const UtcDateTime instant = PassInstant(pass.Utc);
    const DopplerFrame& frame = cache.DopplerFrameFor(instant);
    const GeoSite home = GeoSiteOf(params.Home);
    const GeoSite dx = GeoSiteOf(params.DX);
    pass.Doppler = MoonDoppler(instant, frame, home, dx, pass.BandMHz * 1e6);
    pass.Echo = MoonEchoFiguresAt(instant, frame, home, dx, pass.BandMHz * 1e6);
}

// "221.8 Hz", "-83.1 Hz/min", "2.5290 s", "155.2°".
std::string FiguresText(double value, int decimals, std::string_view unit) {
    return FormatFixed(value, decimals) + std::string(unit);
}

// The colour test reads the unrounded elevation: -0.04 degrees is shown as 0.0, in red.
TextColour ElevationColour(const StationView& view) {
    return view.ElevationSingle < 0 ? TextColour::Red : TextColour::SystemText;
}

}  // namespace

RealTimePassResult RealTimePass(const RunParameters& params, const SkyTemperatureTable& table,
                                const LocalDateTime& localNow,
                                std::optional<int> systemUtcOffsetMinutes) {
    return RealTimePassAt(params, table, UtcNow(localNow, params.TimeDif), localNow,
                          systemUtcOffsetMinutes);
}

RealTimePassResult RealTimePass(const RunParameters& params, const SkyTemperatureTable& table,
                                const LocalDateTime& localNow,
                                std::optional<int> systemUtcOffsetMinutes, RealTimeCache& cache) {
    return RealTimePassAt(params, table, UtcNow(localNow, params.TimeDif), localNow,
                          systemUtcOffsetMinutes, cache);
}

RealTimePassResult RealTimePassAt(const RunParameters& params, const SkyTemperatureTable& table,
                                  const UtcInstant& utc, const LocalDateTime& localNow,
                                  std::optional<int> systemUtcOffsetMinutes) {
    RealTimeCache fresh;
    return RealTimePassAt(params, table, utc, localNow, systemUtcOffsetMinutes, fresh);
}

RealTimePassResult RealTimePassAt(const RunParameters& params, const SkyTemperatureTable& table,
                                  const UtcInstant& utc, const LocalDateTime& localNow,
                                  std::optional<int> systemUtcOffsetMinutes, RealTimeCache& cache) {
    RealTimePassResult pass;
    pass.Moon = params.IsMoon();
    pass.ObjectText = params.CelestialName;

    // The UTC minute is the run's date and its single instant.
    pass.Utc = utc;
    const float dayCursor = DayNumber(pass.Utc.Year, pass.Utc.Month, pass.Utc.Day);
    pass.DayNumber = dayCursor;
    pass.DayFraction = DayFractionOf(pass.Utc.UtcHHMM);

    if (pass.Moon) {
        const RealTimeDateValues& date = cache.DateValues(dayCursor);
        pass.Distance = date.Distance;
        const MoonEquatorial moon = MoonPosition(dayCursor, pass.DayFraction);
        pass.RightAscension = moon.RightAscension;
        pass.Declination = moon.Declination;
        pass.SunRightAscension =
            SampledSunRightAscension(date.SunRightAscensionAt0h, pass.DayFraction);
    } else {
        const EquatorialPlace place = FixedObjectPlace(params, dayCursor, pass.DayFraction);
        pass.RightAscension = place.RightAscension;
        pass.Declination = place.Declination;
    }
    pass.SiderealTimeHours = SiderealTime(dayCursor, pass.DayFraction);
    pass.GreenwichHourAngle = GreenwichHourAngle(pass.SiderealTimeHours, pass.RightAscension);

    // Only the Moon is near enough for parallax.
    const std::optional<double> parallaxKm =
        pass.Moon ? std::optional<double>(pass.Distance.DistanceKm) : std::nullopt;
    const EquatorialPlace place{pass.RightAscension, pass.Declination};
    if (params.DisplayHome) {
        StationViewWithPolarization(pass.Home, params.Home, place, pass.GreenwichHourAngle,
                                    parallaxKm);
    }
    if (params.DisplayDX) {
        StationViewWithPolarization(pass.DX, params.DX, place, pass.GreenwichHourAngle, parallaxKm);
    }
    pass.PolarizationOffset =
        PolarizationOffset(pass.Home.PolarizationAngle, pass.DX.PolarizationAngle);
    if (pass.Moon) {
        const DegradationResult degradation =
            MoonDegradation(table, pass.Distance, pass.DayFraction, pass.RightAscension,
                            params.BandMHz, params.NoiseTemperature);
        pass.Degradation = degradation.Degradation;
        pass.SkyTemperature = degradation.SkyTemperature;
        pass.BandMHz = params.BandMHz;
        SetMoonEchoFigures(pass, params, cache);
    }
    {
        const UtcDateTime instant = PassInstant(pass.Utc);
        pass.SunMoonAngleDeg =
            SunMoonAngleDeg(instant, cache.DopplerFrameFor(instant), GeoSiteOf(params.Home));
    }

    pass.Frame = RealTimeLabels(params, pass, localNow, systemUtcOffsetMinutes);
    return pass;
}

RealTimeFrame RealTimeLabels(const RunParameters& params, const RealTimePassResult& pass,
                             const LocalDateTime& localNow,
                             std::optional<int> systemUtcOffsetMinutes) {
    RealTimeFrame frame;
    const bool home = params.DisplayHome;
    const bool dx = params.DisplayDX;
    frame.CelestialCaption = params.CelestialName;
    frame.ShowDegradation = pass.Moon;
    frame.ShowHome = home;
    frame.ShowDX = dx;
    frame.ShowPolarization = home && dx && pass.Moon;
    frame.ShowHeadings = home || dx;
    frame.CallsignHome = home ? StationName(params.Home) : std::string();
    frame.CallsignDX = dx ? StationName(params.DX) : std::string();

    frame.UtcTime = pass.Utc.UtcClock;
    frame.UtcDate = DateText(pass.Utc.Year, pass.Utc.Month, pass.Utc.Day);
    frame.PolarizationText =
        RightAlign(FormatFixed(pass.PolarizationOffset, 0), 3) + std::string(kDegreeSign);
    if (home) {
        frame.HomeAzimuth = AngleText(pass.Home.AzimuthSingle);
        frame.HomeElevation = AngleText(pass.Home.ElevationSingle);
        frame.HomeElevationColour = ElevationColour(pass.Home);
    }
    if (dx) {
        frame.DXAzimuth = AngleText(pass.DX.AzimuthSingle);
        frame.DXElevation = AngleText(pass.DX.ElevationSingle);
        frame.DXElevationColour = ElevationColour(pass.DX);
    }
    // The computer's own clock is worth showing only when it is not on UTC.
    if (params.TimeDif != 0) {
        frame.LocalClockCaption = "Local Clock:";
        frame.LocalTime = ClockText(localNow.Hour, localNow.Minute, localNow.Second);
        frame.LocalDate = DateText(localNow.Year, localNow.Month, localNow.Day);
    }
    if (pass.Moon) {
        SetDegradationBox(frame, pass.Degradation);
        frame.ShowDoppler = true;
        frame.EchoDopplerText = DopplerText(pass.Doppler.EchoHz);
        frame.DXDopplerText = dx ? DopplerText(pass.Doppler.DXHz) : std::string();
        frame.EchoSpreadText = FiguresText(pass.Echo.EchoSpreadHz, 1, " Hz");
        frame.DXSpreadText = dx ? FiguresText(pass.Echo.DXSpreadHz, 1, " Hz") : std::string();
        frame.DopplerRateText = FiguresText(pass.Echo.EchoDopplerRateHzPerMin, 1, " Hz/min");
        frame.EchoDelayText = FiguresText(pass.Echo.EchoDelayS, 4, " s");
    }
    frame.SunMoonAngleText = FiguresText(pass.SunMoonAngleDeg, 1, kDegreeSign);
    frame.ClockCheck = ClockCheckText(params.TimeDif, systemUtcOffsetMinutes);
    return frame;
}

bool MinuteUpdateDue(const RealTimePassResult& pass, bool realTimeFresh,
                     long long& lastUpdateMinute) {
    // The day number keeps the same clock minute of two dates apart.
    const long long minute = static_cast<long long>(pass.DayNumber) * 1440 +
                             static_cast<long long>(pass.Utc.Hour) * 60 + pass.Utc.Minute;
    const bool due = realTimeFresh ? pass.Utc.Second != 1 : minute != lastUpdateMinute;
    if (due) {
        lastUpdateMinute = minute;
    }
    return due;
}

}  // namespace velmorant
