// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/doppler.h"

#include <cmath>

#include <erfa.h>
#include <erfam.h>

namespace velmorant {

namespace {

// The speed of light, m/s (exact, by the definition of the metre; ERFA's ERFA_CMPS).
constexpr double kLightSpeedMps = ERFA_CMPS;
// The astronomical unit, m (IAU 2012, ERFA_DAU), and the day, s.
constexpr double kMetresPerAu = ERFA_DAU;
constexpr double kSecondsPerDay = ERFA_DAYSEC;
// TT - TAI, seconds (ERFA_TTMTAI).
constexpr double kTTMinusTAISeconds = ERFA_TTMTAI;

// The instant on ERFA's two-part Julian dates: UTC (taken for UT1) and TT.
struct InstantDates {
    double Epoch = 0;    // the first part of both: the Modified Julian Date zero point
    double UtcDays = 0;  // second part, UTC as MJD with the day's fraction
    double TTDays = 0;   // second part, TT as MJD with the day's fraction
};

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

InstantDates DatesOf(const UtcDateTime& utc) {
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

// The Moon's geocentric position (m) and velocity (m/s) in the GCRS.
void MoonState(const InstantDates& dates, double pv[2][3]) {
    double pvAu[2][3];
    eraMoon98(dates.Epoch, dates.TTDays, pvAu);
    for (int i = 0; i < 3; ++i) {
        pv[0][i] = pvAu[0][i] * kMetresPerAu;
        pv[1][i] = pvAu[1][i] * kMetresPerAu / kSecondsPerDay;
    }
}

// The frame of the instant: ERFA's celestial-to-intermediate matrix.
DopplerFrame FrameOf(const InstantDates& dates) {
    DopplerFrame frame;
    eraC2i06a(dates.Epoch, dates.TTDays, frame.CelestialToIntermediate);
    return frame;
}

// The station's geocentric position (m) and velocity (m/s) in the GCRS: eraPvtob gives them in
// the intermediate frame of the date from the Earth rotation angle, and the transposed
// celestial-to-intermediate matrix turns them back. The matrix's own slow turning (precession,
// nutation: about 1e-11 rad/s) would add under 0.1 mm/s to the station's velocity and is left
// out. The frame comes by value: ERFA takes the matrix through a pointer to non-const.
void StationState(const InstantDates& dates, DopplerFrame frame, const GeoSite& station,
                  double pv[2][3]) {
    const double earthRotationAngle = eraEra00(dates.Epoch, dates.UtcDays);
    double intermediate[2][3];
    eraPvtob(-station.LongitudeWestRad, station.LatitudeRad, 0.0, 0.0, 0.0, 0.0, earthRotationAngle,
             intermediate);
    eraTrxpv(frame.CelestialToIntermediate, intermediate, pv);
}

// d|r|/dt of the station-to-Moon vector r.
double RangeRate(const double moon[2][3], const double station[2][3]) {
    double along = 0;
    double squared = 0;
    for (int i = 0; i < 3; ++i) {
        const double offset = moon[0][i] - station[0][i];
        along += offset * (moon[1][i] - station[1][i]);
        squared += offset * offset;
    }
    return along / std::sqrt(squared);
}

// Both stations' rates and the shifts at carrierHz for the frame.
MoonDopplerResult DopplerOf(const InstantDates& dates, const DopplerFrame& frame,
                            const GeoSite& home, const GeoSite& dx, double carrierHz) {
    double moon[2][3];
    MoonState(dates, moon);
    double homeSite[2][3];
    StationState(dates, frame, home, homeSite);
    double dxSite[2][3];
    StationState(dates, frame, dx, dxSite);

    return MoonDopplerAtCarrier(RangeRate(moon, homeSite), RangeRate(moon, dxSite), carrierHz);
}

}  // namespace

MoonDopplerResult MoonDopplerAtCarrier(double homeRangeRateMps, double dxRangeRateMps,
                                       double carrierHz) {
    MoonDopplerResult result;
    result.HomeRangeRateMps = homeRangeRateMps;
    result.DXRangeRateMps = dxRangeRateMps;
    result.EchoHz = -2.0 * carrierHz * homeRangeRateMps / kLightSpeedMps;
    result.DXHz = -carrierHz * (homeRangeRateMps + dxRangeRateMps) / kLightSpeedMps;
    return result;
}

DopplerFrame DopplerFrameAt(const UtcDateTime& utc) {
    return FrameOf(DatesOf(utc));
}

double MoonRangeRateMps(const UtcDateTime& utc, const GeoSite& station) {
    const InstantDates dates = DatesOf(utc);
    double moon[2][3];
    MoonState(dates, moon);
    double site[2][3];
    StationState(dates, FrameOf(dates), station, site);
    return RangeRate(moon, site);
}

MoonDopplerResult MoonDoppler(const UtcDateTime& utc, const GeoSite& home, const GeoSite& dx,
                              double carrierHz) {
    const InstantDates dates = DatesOf(utc);
    return DopplerOf(dates, FrameOf(dates), home, dx, carrierHz);
}

MoonDopplerResult MoonDoppler(const UtcDateTime& utc, const DopplerFrame& frame,
                              const GeoSite& home, const GeoSite& dx, double carrierHz) {
    return DopplerOf(DatesOf(utc), frame, home, dx, carrierHz);
}

}  // namespace velmorant
