// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/station_geometry.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "core/common/constants.h"

namespace velmorant {
namespace {

struct DistanceCase {
    double HomeLatDeg, HomeLonDeg, DxLatDeg, DxLonDeg;
    int Units;
    double Expected;
    const char* Label;
};

TEST(StationDistance, GreatCircleInKilometresAndMiles) {
    const DistanceCase cases[] = {
        {52.1, -5.3, 52.1, -5.3, 0, 0.0, "KM"},
        {52.1, -5.3, 52.1, -5.3, 1, 0.0, "MI"},
        {40, 75, 41, 75, 0, 111.1, "KM"},            // one degree of latitude: 111.12 km rounded
        {40, 75, 41, 75, 1, 111.1 * 3 / 5, "MI"},    // 66.66, the rounded km times 0.6
        {40, 75, 41, 75, 2, 111.1 * 3 / 5, "MI"},    // any entry after the first is miles
        {0, 0, 0, 90, 0, 10000.8, "KM"},             // a quarter of a great circle
        {0, 0, 90, 123, 0, 10000.8, "KM"},           // equator to pole
        {0, 10, 0, 190, 0, 20001.6, "KM"},           // antipodes: ArcTan2 with x = 0
        {-33.9, -18.4, 51.5, 0.1, 0, 9660.0, "KM"},  // Cape Town to London
    };
    for (const DistanceCase& c : cases) {
        const StationDistanceResult r =
            StationDistance(c.HomeLatDeg * DegToRad, c.HomeLonDeg * DegToRad, c.DxLatDeg * DegToRad,
                            c.DxLonDeg * DegToRad, c.Units);
        EXPECT_DOUBLE_EQ(r.Distance, c.Expected) << c.HomeLatDeg << ' ' << c.DxLatDeg;
        EXPECT_EQ(r.UnitsLabel, c.Label);
    }
}

// The Moon's topocentric place worked out exactly with vectors, in units of Earth radii, for
// a station at geocentric latitude phiGeo and radius rho: the parallax formulas of the engine
// are first order in the parallax, so they agree to about p^2, 3e-4 rad.
struct Equatorial {
    double RightAscension;
    double Declination;
};

Equatorial ExactTopocentric(double phiGeo, double rho, double ra, double hourAngle, double dec,
                            double distanceKm) {
    const double r = distanceKm / kEarthRadiusKm;
    // Axes: toward the station's meridian on the equator, toward the west, toward the pole.
    const double x = r * std::cos(dec) * std::cos(hourAngle) - rho * std::cos(phiGeo);
    const double y = r * std::cos(dec) * std::sin(hourAngle);
    const double z = r * std::sin(dec) - rho * std::sin(phiGeo);
    const double topoHourAngle = std::atan2(y, x);
    return {ra - (topoHourAngle - hourAngle), std::atan2(z, std::hypot(x, y))};
}

TEST(TopocentricEquatorial, AgreesWithTheExactParallax) {
    const double ra = 2.0;
    for (double latDeg : {-70.0, -30.0, 0.0, 15.0, 52.0, 85.0}) {
        for (double hourAngle : {-2.8, -1.2, -0.2, 0.0, 0.5, 1.4, 3.0}) {
            for (double decDeg : {-28.0, -5.0, 0.0, 12.0, 27.0}) {
                const double lat = latDeg * DegToRad;
                const double dec = decDeg * DegToRad;
                const TopocentricResult t =
                    TopocentricEquatorial(lat, ra, hourAngle, dec, 370000, 7);
                const double phiGeo = lat - TwoPi * 0.1924 / 360 * std::sin(2 * lat);
                const double rho = 0.99833 + 0.00167 * std::cos(2 * lat);
                const Equatorial exact = ExactTopocentric(phiGeo, rho, ra, hourAngle, dec, 370000);
                EXPECT_NEAR(t.RightAscension, exact.RightAscension, 3e-4)
                    << latDeg << ' ' << hourAngle << ' ' << decDeg;
                EXPECT_NEAR(t.Declination, exact.Declination, 3e-4)
                    << latDeg << ' ' << hourAngle << ' ' << decDeg;
            }
        }
    }
}

TEST(TopocentricEquatorial, ParallaxOnTheEquator) {
    // On the equator with the Moon on the meridian the whole parallax goes into declination,
    // away from the zenith: delta' - delta = p * rho * sin(delta), rho = 1 there.
    const double dec = 30 * DegToRad;
    const double half = std::sin(dec);
    const TopocentricResult mean = TopocentricEquatorial(0, 1.0, 0, dec, 384400, 0);
    EXPECT_NEAR((mean.Declination - dec) / half, 0.0166, 1e-4);
    EXPECT_EQ(mean.RightAscension, 1.0);
    const TopocentricResult perigee = TopocentricEquatorial(0, 1.0, 0, dec, 356410, 0);
    EXPECT_NEAR((perigee.Declination - dec) / half, 0.0179, 1e-4);
    // A Moon in the equatorial zenith shows no parallax at all.
    const TopocentricResult zenith = TopocentricEquatorial(0, 1.0, 0, 0, 384400, 0);
    EXPECT_EQ(zenith.Declination, 0);
}

TEST(TopocentricEquatorial, HourAngleStaysWithinATurn) {
    for (double hours = 0; hours < 24; hours += 0.5) {
        for (double ra : {0.0, 0.001, 3.0, TwoPi - 0.001, TwoPi}) {
            const TopocentricResult t = TopocentricEquatorial(0.8, ra, 0.7, 0.2, 380000, hours);
            ASSERT_GE(t.GreenwichHourAngle, 0) << hours << ' ' << ra;
            ASSERT_LT(t.GreenwichHourAngle, TwoPi) << hours << ' ' << ra;
            EXPECT_NEAR(std::remainder(
                            t.GreenwichHourAngle - (hours * TwoPi / 24 - t.RightAscension), TwoPi),
                        0, 1e-12);
        }
    }
}

}  // namespace
}  // namespace velmorant
