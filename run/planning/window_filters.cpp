// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/window_filters.h"

#include "core/common/constants.h"

namespace velmorant {

bool GmtWindowPass(float utcHHMM, float low, float high) {
    if (low == 0.0f && high == 2400.0f) {
        return true;
    }
    if (low <= high) {
        return low <= utcHHMM && utcHHMM <= high;
    }
    return utcHHMM <= high || utcHHMM > low;
}

bool ElevationWindowPass(float elevation, const StationSite& site) {
    return elevation >= site.AboveRad && elevation <= site.BelowRad;
}

bool AzimuthWindowPass(float azimuth, float azMin, float azMax, double declination,
                       double homeLatitudeRad) {
    const float pi = static_cast<float>(Pi);
    const float twoPi = static_cast<float>(TwoPi);
    const float lo = azMin;
    const float hi = azMax;
    if (lo == 0.0f && hi == twoPi) {
        return true;
    }
    const bool straddlesSouth = lo <= pi && pi <= hi;
    const bool bothEast = lo <= pi && hi <= pi;
    const bool bothWest = lo >= pi && hi >= pi;
    if (declination >= homeLatitudeRad) {
        // The path culminates north of the zenith: the window is the part outside lo..hi.
        if (straddlesSouth) {
            return azimuth < lo || azimuth > hi;
        }
        if (bothEast || bothWest) {
            return hi < azimuth && azimuth < lo;
        }
        return false;
    }
    if (straddlesSouth || bothEast || bothWest) {
        return lo < azimuth && azimuth < hi;
    }
    return false;
}

}  // namespace velmorant
