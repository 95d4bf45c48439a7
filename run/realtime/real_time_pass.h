// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ephemeris/doppler.h"
#include "core/ephemeris/moon_echo.h"
#include "core/series/degradation.h"
#include "core/series/horizon.h"
#include "core/series/moon.h"
#include "run/clock.h"
#include "run/realtime/real_time_cache.h"
#include "run/realtime/real_time_frame.h"
#include "run/report/report_text.h"
#include "run/run_parameters.h"
#include "run/utc_now.h"

// The real-time display: one pass per timer tick computes the current UTC minute for the
// displayed stations and fills the labels of the real-time window; once a minute the map update
// adds the below-horizon dots, the Moon's topocentric labels and the line of QVAZEL.DAT.
// No drawing and no file is touched here: the window and the caller do that with the frames.

namespace velmorant {

// One pass: the labels and everything the minute's map update needs.
struct RealTimePassResult {
    RealTimeFrame Frame;

    UtcInstant Utc;         // the UTC date and clock of the pass, seconds included
    float DayNumber = 0;    // of the UTC date
    float DayFraction = 0;  // of the UTC minute (the seconds play no part in the position)

    bool Moon = false;       // the Moon is tracked: parallax, degradation, topocentric values
    std::string ObjectText;  // the object list's text as it stands ("(Other)" for a custom one)

    // The object's geocentric place at the instant, radians, and the sidereal time in hours.
    double RightAscension = 0;
    double Declination = 0;
    double GreenwichHourAngle = 0;
    double SiderealTimeHours = 0;
    // Moon: the noon distances of the UTC date after the warm-up, and the Sun's right ascension
    // as a Moon run samples it (no label shows it; it completes the instant).
    MoonDistanceState Distance;
    double SunRightAscension = 0;

    // The stations' views; a station that is not displayed keeps a zero view.
    StationView Home;
    StationView DX;
    float PolarizationOffset = 0;  // whole degrees
    float Degradation = 0;         // dB, unrounded (Moon)
    double SkyTemperature = 0;     // kelvin (Moon)

    // Moon: the Doppler shifts at the band's frequency for the pass's UTC second (seconds
    // included, unlike the position), from both stations' coordinates whether displayed or not.
    double BandMHz = 0;  // the band text read as a number
    MoonDopplerResult Doppler;
    // Moon: the libration spreads, the echo Doppler's rate and the echo delay at the band's
    // frequency for the same second (see core/ephemeris/moon_echo.h).
    MoonEchoFigures Echo;
    // The angle between the Sun and the Moon seen from Home, degrees, whatever the object.
    double SunMoonAngleDeg = 0;
};

// One real-time pass for the computer's local time `localNow`: the UTC minute (from TimeDif)
// becomes the run's date and its only instant; the Moon's tracker is warmed up over the 13 dates
// before the UTC date. The instant is computed as a planning run computes it, but no filter
// (time, azimuth, elevation) applies and no station is required.
// `systemUtcOffsetMinutes`: the computer's own offset from UTC at that moment (local minus UTC),
// for the clock check; none leaves the check out.
RealTimePassResult RealTimePass(const RunParameters& params, const SkyTemperatureTable& table,
                                const LocalDateTime& localNow,
                                std::optional<int> systemUtcOffsetMinutes = std::nullopt);

// The same pass for a given UTC instant; `localNow` is the computer's clock at that instant
// (for the local-clock labels and the clock check).
RealTimePassResult RealTimePassAt(const RunParameters& params, const SkyTemperatureTable& table,
                                  const UtcInstant& utc, const LocalDateTime& localNow,
                                  std::optional<int> systemUtcOffsetMinutes = std::nullopt);

// The passes of a running display, one a second: the date's values and the Doppler frame come
// from `cache` (see RealTimeCache), which the display keeps from pass to pass. The passes above
// compute them afresh.
RealTimePassResult RealTimePass(const RunParameters& params, const SkyTemperatureTable& table,
                                const LocalDateTime& localNow,
                                std::optional<int> systemUtcOffsetMinutes, RealTimeCache& cache);
RealTimePassResult RealTimePassAt(const RunParameters& params, const SkyTemperatureTable& table,
                                  const UtcInstant& utc, const LocalDateTime& localNow,
                                  std::optional<int> systemUtcOffsetMinutes, RealTimeCache& cache);

// The labels of the real-time window for a computed pass (RealTimePass sets them already): what
// is shown for the object and the displayed stations, the UTC and local clocks (the local one
// only when TimeDif is not 0), the angles, the polarization offset and, for the Moon, the
// degradation box: the degradation r rounded to 0.1 dB, written as -r, red above 6, orange above
// 4, yellow above 2, else green. An elevation below 0 is red even when it rounds to 0.0. For the
// Moon the Doppler shifts in whole hertz (DX blank when DX is not displayed); the clock check
// when the typed hour difference disagrees with the computer's own offset.
RealTimeFrame RealTimeLabels(const RunParameters& params, const RealTimePassResult& pass,
                             const LocalDateTime& localNow,
                             std::optional<int> systemUtcOffsetMinutes = std::nullopt);

// Whether this pass runs the map update, recording the UTC minute it serves in
// `lastUpdateMinute` (day number * 1440 + minute of the day; start a display with -1). While the
// display is fresh it runs on any second but 01 (so the first pass at second 01 leaves it to the
// next one); otherwise on the first pass of every UTC minute not yet served, which is second 00
// unless a late tick skipped it. The caller clears its fresh flag after an update.
bool MinuteUpdateDue(const RealTimePassResult& pass, bool realTimeFresh,
                     long long& lastUpdateMinute);

}  // namespace velmorant
