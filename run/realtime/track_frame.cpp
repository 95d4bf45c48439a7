// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/track_frame.h"

#include "run/realtime/real_time_map.h"
#include "run/report/report_text.h"

namespace velmorant {

TrackFrame TrackFrameAt(const RunParameters& params, const SkyTemperatureTable& table,
                        const UtcInstant& utc, const LocalDateTime& localNow,
                        std::optional<int> systemUtcOffsetMinutes) {
    TrackFrame frame;
    frame.Pass = RealTimePassAt(params, table, utc, localNow, systemUtcOffsetMinutes);
    frame.HomeCallsign = params.Home.Callsign;
    frame.DXCallsign = params.DX.Callsign;
    frame.HomeLocator = params.Home.Locator;
    frame.DXLocator = params.DX.Locator;
    frame.Band = params.Band;
    if (frame.Pass.Moon) {
        frame.ShowTopocentric = true;
        frame.Topocentric = PassTopocentric(params, frame.Pass);
        frame.TopocentricGHA = AngleText(frame.Topocentric.GreenwichHourAngle);
        frame.TopocentricDec = AngleText(frame.Topocentric.Declination);
    }
    frame.SubPointLatitudeRad = frame.Pass.Declination;
    frame.SubPointLongitudeWestRad = SubPointLongitudeWest(frame.Pass.GreenwichHourAngle);
    frame.SubPoint = SubPointOf(params, frame.Pass);
    return frame;
}

}  // namespace velmorant
