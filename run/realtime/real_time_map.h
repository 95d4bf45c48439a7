// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/series/station_geometry.h"
#include "run/realtime/real_time_frame.h"
#include "run/realtime/real_time_pass.h"
#include "run/run_parameters.h"

// The once-a-minute map update of the real-time display: the stations and the below-horizon dots
// in the map's coordinates, the Moon's topocentric labels and the line of QVAZEL.DAT.

namespace velmorant {

// The map update of a pass: the displayed stations (Home first) in centred map coordinates with
// their callsign captions, the object's sub-point, the below-horizon dots, and for the Moon (list
// position 0) its topocentric labels for Home, the declination red when lower than at the previous
// update, which `previousTopocentricDec` then becomes. The az/el line carries the Moon's
// topocentric hour angle and declination for Home, and for any other object its geocentric ones;
// the Home azimuth and elevation read 0.0 when Home is not displayed.
MapUpdateFrame MapUpdate(const RunParameters& params, const RealTimePassResult& pass,
                         double& previousTopocentricDec);

// The Moon's topocentric place for the Home station at the pass (first-order parallax, the
// date's noon distance; see TopocentricEquatorial): what the window's topocentric labels show.
TopocentricResult PassTopocentric(const RunParameters& params, const RealTimePassResult& pass);

// The colour of the object's sub-point on the map: Moon dark grey RGB(96,96,96), Sun orange
// RGB(255,128,0), the radio sources blue RGB(0,0,192), the cold-sky points teal RGB(0,128,128),
// a custom object maroon RGB(128,0,0). All stand out on the map's cyan and green.
RgbColour ObjectColour(const RunParameters& params);

// Where the object stands at the zenith: latitude its geocentric declination, west longitude its
// Greenwich hour angle brought into [-Pi, Pi), in centred map coordinates, with the object's
// name (a custom object's own name when it has one) and colour.
MapSubPoint SubPointOf(const RunParameters& params, const RealTimePassResult& pass);

// The sub-point's west-positive longitude, radians in [-Pi, Pi): the Greenwich hour angle.
double SubPointLongitudeWest(double greenwichHourAngle);

// The pixels of the map from which an object at this Greenwich hour angle and declination
// (radians) is below the horizon: a one-degree grid of 180 rows (-90 to +89 degrees) of 361
// points (-180 to +180), stepped in single precision. A point at map coordinates (x, y) lies in
// the pixel that contains it: column Int(636.5 + x), row Int(318 - y), held inside the
// 1273 x 636 drawing area (the 180 degrees east column and the south pole row fall on its
// outer edges).
std::vector<MapPixel> BelowHorizonDots(double greenwichHourAngle, double declination);

// Centred map coordinates of a point (radians, longitude west positive): x to the right
// (east), y up, one unit per pixel.
double MapX(double longitudeWestRad);
double MapY(double latitudeRad);

// The line of QVAZEL.DAT without its line end: the UTC clock, the Home azimuth and elevation,
// the object's text, an hour angle and a declination (radians), joined by commas.
std::string AzElLine(std::string_view utcClock, double homeAzimuth, double homeElevation,
                     std::string_view objectText, double hourAngle, double declination);

}  // namespace velmorant
