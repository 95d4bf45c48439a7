// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ephemeris/ephemeris_instant.h"
#include "core/series/horizon.h"

// The Moon's libration as any station sees it at one instant. A station's sub-station point (the
// point of the Moon facing it) is its terrestrial position turned into the Moon's body frame less
// the Moon's centre there, so once the instant's two turnings (Earth and Moon) and the Moon's
// place are known, each station's rate costs a few multiplications: the mutual windows pass takes
// thousands of stations at each instant. In double; accuracy as MoonEchoFiguresAt
// (core/ephemeris/moon_echo.h), which takes its rates from here.

namespace velmorant {

// The velocity of a station's sub-station point over the Moon, from its positions 30 s before
// and 30 s after the instant (one minute apart), rad/s.
struct LibrationRate {
    double BodyRadPerS[3] = {};  // in the Moon's body frame (x prime meridian, z north pole)
    double EastRadPerS = 0;      // selenographic longitude's rate times cos latitude, east +
    double NorthRadPerS = 0;     // selenographic latitude's rate, north +
};

// A station at sea level (WGS84 ellipsoid) in the terrestrial frame (polar motion taken as 0),
// metres: where the Earth's rotation angle turns it from.
struct TerrestrialPoint {
    double Position[3] = {};
};

TerrestrialPoint TerrestrialPointOf(const GeoSite& station);

class LibrationField {
  public:
    // The instant's field with a frame (DopplerFrameOf) of an instant up to a day away: the two
    // samples share it, so its slow turning (under 1e-6 rad a day) turns every station alike and
    // moves a rate by under one part in a million.
    LibrationField(const InstantDates& dates, const DopplerFrame& frame);

    LibrationRate RateOf(const TerrestrialPoint& station) const;
    // Its body-frame part alone (LibrationRate::BodyRadPerS), for many stations: a third of the
    // cost.
    void BodyRateOf(const TerrestrialPoint& station, double bodyRadPerS[3]) const;

    // The Moon's geocentric centre 30 s before and 30 s after the instant (GeocentricMoon).
    const StateVector& MoonBefore() const { return before_.Moon; }
    const StateVector& MoonAfter() const { return after_.Moon; }

    // Half the minute the rates are taken over, s.
    static constexpr double kHalfStepS = 30.0;

  private:
    struct Side {
        double BodyFromTerrestrial[3][3] = {};
        double MoonInBody[3] = {};  // m
        StateVector Moon;
    };
    static Side SideAt(const InstantDates& dates, const DopplerFrame& frame);
    static void SubStationPoint(const Side& side, const TerrestrialPoint& station, double point[3]);

    Side before_;
    Side after_;
};

}  // namespace velmorant
