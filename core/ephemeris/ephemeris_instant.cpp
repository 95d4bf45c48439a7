// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/ephemeris_instant.h"

#include <cmath>

#include <erfa.h>
#include <erfam.h>

namespace velmorant {

namespace {

// The astronomical unit, m (IAU 2012, ERFA_DAU), and the day, s.
constexpr double kMetresPerAu = ERFA_DAU;
constexpr double kSecondsPerDay = ERFA_DAYSEC;
// TT - TAI, seconds (ERFA_TTMTAI).
constexpr double kTTMinusTAISeconds = ERFA_TTMTAI;

// TAI - UTC at a fraction of a UTC day, seconds (eraDat). Before 1960, where ERFA has no
// table, eraDat warns and gives 0, which is kept as the header says; a year past the table's
// keeps its last value.
double LeapSeconds(int year, int month, int day, double dayFraction) {
    double seconds = 0;
    if (eraDat(year, month, day, dayFraction, &seconds) < 0) {
        seconds = 0;
    }
    return seconds;
}

}  // namespace

InstantDates InstantDatesOf(const UtcDateTime& utc) {
    InstantDates dates;
    double mjd = 0;
    eraCal2jd(utc.Year, utc.Month, utc.Day, &dates.Epoch, &mjd);
    const double secondOfDay = utc.Hour * 3600.0 + utc.Minute * 60.0 + utc.Second;
    // A day that ends in a leap second lasts 86401 s: its clock runs to 23:59:60.
    int nextYear = 0, nextMonth = 0, nextDay = 0;
    double unused = 0;
    eraJd2cal(dates.Epoch, mjd + 1.0, &nextYear, &nextMonth, &nextDay, &unused);
    const double startLeap = LeapSeconds(utc.Year, utc.Month, utc.Day, 0.0);
    const double dayLength =
        kSecondsPerDay + LeapSeconds(nextYear, nextMonth, nextDay, 0.0) - startLeap;
    const double dayFraction = secondOfDay / dayLength;
    // UTC as a quasi Julian date (as ERFA counts it), standing in for UT1; TT counts the
    // seconds of the day as they ran.
    dates.UtcDays = mjd + dayFraction;
    dates.TTDays = mjd + (secondOfDay + LeapSeconds(utc.Year, utc.Month, utc.Day, dayFraction) +
                          kTTMinusTAISeconds) /
                             kSecondsPerDay;
    return dates;
}

InstantDates InstantDatesAfter(const InstantDates& dates, double seconds) {
    InstantDates later = dates;
    later.UtcDays += seconds / kSecondsPerDay;
    later.TTDays += seconds / kSecondsPerDay;
    return later;
}

DopplerFrame DopplerFrameOf(const InstantDates& dates) {
    DopplerFrame frame;
    eraC2i06a(dates.Epoch, dates.TTDays, frame.CelestialToIntermediate);
    return frame;
}

DopplerFrame DopplerFrameAt(const UtcDateTime& utc) {
    return DopplerFrameOf(InstantDatesOf(utc));
}

StateVector GeocentricMoon(const InstantDates& dates) {
    double pvAu[2][3];
    eraMoon98(dates.Epoch, dates.TTDays, pvAu);
    StateVector moon;
    for (int i = 0; i < 3; ++i) {
        moon.Position[i] = pvAu[0][i] * kMetresPerAu;
        moon.Velocity[i] = pvAu[1][i] * kMetresPerAu / kSecondsPerDay;
    }
    return moon;
}

// eraPvtob gives the station in the intermediate frame of the date from the Earth rotation
// angle, and the transposed celestial-to-intermediate matrix turns it back. The frame is copied:
// ERFA takes the matrix through a pointer to non-const.
StateVector StationState(const InstantDates& dates, const DopplerFrame& frame,
                         const GeoSite& station) {
    const double earthRotationAngle = eraEra00(dates.Epoch, dates.UtcDays);
    double intermediate[2][3];
    eraPvtob(-station.LongitudeWestRad, station.LatitudeRad, 0.0, 0.0, 0.0, 0.0, earthRotationAngle,
             intermediate);
    DopplerFrame matrix = frame;
    double pv[2][3];
    eraTrxpv(matrix.CelestialToIntermediate, intermediate, pv);
    StateVector state;
    for (int i = 0; i < 3; ++i) {
        state.Position[i] = pv[0][i];
        state.Velocity[i] = pv[1][i];
    }
    return state;
}

StateVector Relative(const StateVector& target, const StateVector& observer) {
    StateVector offset;
    for (int i = 0; i < 3; ++i) {
        offset.Position[i] = target.Position[i] - observer.Position[i];
        offset.Velocity[i] = target.Velocity[i] - observer.Velocity[i];
    }
    return offset;
}

double Length(const double v[3]) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

double RangeRate(const StateVector& state) {
    double along = 0;
    for (int i = 0; i < 3; ++i) {
        along += state.Position[i] * state.Velocity[i];
    }
    return along / Length(state.Position);
}

}  // namespace velmorant
