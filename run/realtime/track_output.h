// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "run/realtime/track_frame.h"

// The two forms `velmorant track` prints a frame in.

namespace velmorant {

// One "name: value" line per item, values as the window shows them (angles to 0.1 degree,
// Doppler in whole hertz, the degradation as the box shows it), padding blanks dropped. Items
// the window does not show (a station not displayed, the Moon's values for another object) are
// left out. Lines end in LF.
std::string TrackText(const TrackFrame& frame);

// One JSON object, numbers unrounded (shortest text that reads back to the same double), units
// in the key names: home_azimuth_deg, echo_doppler_hz, ... Keys follow the text form's items.
std::string TrackJson(const TrackFrame& frame);

}  // namespace velmorant
