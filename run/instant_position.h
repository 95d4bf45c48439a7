// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/series/degradation.h"
#include "core/series/horizon.h"
#include "core/series/moon.h"
#include "core/series/station_geometry.h"
#include "run/run_parameters.h"

// The pieces of one computed instant that the planning walk and the real-time pass share, so that
// both compute an instant the same way, down to the precision of every stored value.

namespace velmorant {

// The fraction of the UT day of an hhmm time (1345 is 13:45), held as a Single.
float DayFractionOf(float hhmm);

// Establishes the perigee/apogee tracker on the start date: the noon distances of the 13 dates
// before it, in order, so that the caller's MoonNoonDistance for the start date finds its mark
// and day count.
void WarmUpMoonDistance(MoonDistanceState& state, float startDayNumber);

// Where an object other than the Moon stands at the instant: the Sun's computed place when the
// Sun is selected, the object's fixed right ascension and declination otherwise.
EquatorialPlace FixedObjectPlace(const RunParameters& params, float dayCursor, float dayFraction);

// The station's place on the Earth for the engine.
GeoSite GeoSiteOf(const StationSite& site);

// Horizon position of the object for one station and the station's polarization angle. With a
// parallax distance (the Moon's noon distance, km) the position is topocentric. A zenith instant
// leaves the view as it was (see HorizonPosition).
void StationViewWithPolarization(StationView& view, const StationSite& site,
                                 const EquatorialPlace& place, double greenwichHourAngle,
                                 std::optional<double> parallaxDistanceKm);

// Path degradation and sky temperature of a Moon instant, from the Moon's geocentric right
// ascension (radians) and the date's noon distances.
DegradationResult MoonDegradation(const SkyTemperatureTable& table,
                                  const MoonDistanceState& distance, float dayFraction,
                                  double moonRightAscension, double bandMHz, float noiseK);

// The Moon's topocentric place for the Home station. The hour angle handed on is the Home
// station's local one (the Greenwich hour angle less the west-positive longitude), which is what
// the parallax of an observer at that longitude depends on.
TopocentricResult HomeTopocentric(const StationSite& home, double moonRightAscension,
                                  double moonDeclination, double greenwichHourAngle,
                                  double distanceKm, double siderealTimeHours);

}  // namespace velmorant
