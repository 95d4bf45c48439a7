// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/series/station_geometry.h"
#include "run/clock.h"
#include "run/realtime/real_time_frame.h"
#include "run/realtime/real_time_pass.h"
#include "run/run_parameters.h"
#include "run/utc_now.h"

// One frame of the real-time display for a UTC instant, without the window: what `velmorant
// track` prints and what a rotator follows. The labels are the ones the window shows (the same
// pass computes them); the map update adds the topocentric values and the sub-point.

namespace velmorant {

struct TrackFrame {
    RealTimePassResult Pass;   // the pass; Pass.Frame holds the window's labels
    std::string HomeCallsign;  // the stations' callsigns and locators as typed
    std::string DXCallsign;
    std::string HomeLocator;
    std::string DXLocator;
    std::string Band;  // the band text, MHz

    // Moon: the topocentric place for Home and the window's texts of it.
    bool ShowTopocentric = false;
    TopocentricResult Topocentric;
    std::string TopocentricGHA;
    std::string TopocentricDec;

    // The point where the object stands at the zenith, radians (longitude WEST positive), and
    // as the map draws it.
    double SubPointLatitudeRad = 0;
    double SubPointLongitudeWestRad = 0;
    MapSubPoint SubPoint;
};

// The frame for the UTC instant `utc` with the computer's clock `localNow` and its offset from
// UTC (minutes, local minus UTC; none leaves the clock check out) at that instant. The topocentric
// declination's colour needs the previous map update and is not part of a single frame.
TrackFrame TrackFrameAt(const RunParameters& params, const SkyTemperatureTable& table,
                        const UtcInstant& utc, const LocalDateTime& localNow,
                        std::optional<int> systemUtcOffsetMinutes);

}  // namespace velmorant
