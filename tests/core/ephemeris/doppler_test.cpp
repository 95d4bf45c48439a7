// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ephemeris/doppler.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

constexpr double kCarrierHz = 1296e6;
// The accuracy the real-time window promises at 1296 MHz, hertz.
constexpr double kToleranceHz = 2.0;

// One line of tests/data/doppler/moon_doppler_reference.csv (see the README there).
struct ReferenceRow {
    std::string Utc;
    UtcDateTime Instant;
    GeoSite Home;
    GeoSite DX;
    double EchoHz = 0;
    double DXHz = 0;
};

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

std::vector<ReferenceRow> ReadReference() {
    std::ifstream file(VELMORANT_DOPPLER_REFERENCE);
    std::vector<ReferenceRow> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("utc,", 0) == 0) {
            continue;
        }
        ReferenceRow row;
        char utc[32] = {};
        double homeLat = 0, homeLonEast = 0, dxLat = 0, dxLonEast = 0, rateHome = 0, rateDX = 0;
        int second = 0;
        const int fields = std::sscanf(line.c_str(), "%31[^,],%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf", utc,
                                       &homeLat, &homeLonEast, &dxLat, &dxLonEast, &rateHome,
                                       &rateDX, &row.EchoHz, &row.DXHz);
        EXPECT_EQ(fields, 9) << line;
        std::sscanf(utc, "%d-%d-%dT%d:%d:%dZ", &row.Instant.Year, &row.Instant.Month,
                    &row.Instant.Day, &row.Instant.Hour, &row.Instant.Minute, &second);
        row.Instant.Second = second;
        row.Utc = utc;
        // The table's longitudes are east positive, the engine's west positive.
        row.Home = GeoSite{Radians(homeLat), -Radians(homeLonEast)};
        row.DX = GeoSite{Radians(dxLat), -Radians(dxLonEast)};
        rows.push_back(row);
    }
    return rows;
}

bool AtPoleEquatorOrDateLine(const GeoSite& site) {
    const double lat = std::abs(site.LatitudeRad);
    const double lon = std::abs(site.LongitudeWestRad);
    return lat == 0 || std::abs(lat - Radians(90)) < 1e-12 || lon > Radians(179.99);
}

bool AtTurnOfYear(const UtcDateTime& t) {
    return (t.Month == 12 && t.Day == 31 && t.Hour == 23) ||
           (t.Month == 1 && t.Day == 1 && t.Hour == 0);
}

// The worst and rms difference over a group of rows, and where the worst one lies.
struct Sweep {
    double WorstHz = 0;
    double SumSquares = 0;
    int Count = 0;
    std::string WorstRow;

    void Add(const ReferenceRow& row, double differenceHz) {
        SumSquares += differenceHz * differenceHz;
        ++Count;
        if (std::abs(differenceHz) > WorstHz) {
            WorstHz = std::abs(differenceHz);
            WorstRow = row.Utc;
        }
    }
    double Rms() const { return Count ? std::sqrt(SumSquares / Count) : 0; }
    void Print(const char* name) const {
        std::printf("%-28s %5d values: worst %.4f Hz (%s), rms %.4f Hz\n", name, Count, WorstHz,
                    WorstRow.c_str(), Rms());
    }
};

TEST(MoonDoppler, AgreesWithIndependentEphemerisAt1296MHz) {
    const std::vector<ReferenceRow> rows = ReadReference();
    ASSERT_EQ(rows.size(), 2000u) << VELMORANT_DOPPLER_REFERENCE;
    Sweep all, edgeSites, yearTurns;
    for (const ReferenceRow& row : rows) {
        const MoonDopplerResult result = MoonDoppler(row.Instant, row.Home, row.DX, kCarrierHz);
        for (const double difference : {result.EchoHz - row.EchoHz, result.DXHz - row.DXHz}) {
            all.Add(row, difference);
            if (AtPoleEquatorOrDateLine(row.Home) || AtPoleEquatorOrDateLine(row.DX)) {
                edgeSites.Add(row, difference);
            }
            if (AtTurnOfYear(row.Instant)) {
                yearTurns.Add(row, difference);
            }
        }
    }
    all.Print("all rows, echo and DX");
    edgeSites.Print("poles, equator, +/-180 deg");
    yearTurns.Print("turns of the year");
    EXPECT_GT(edgeSites.Count, 100);
    EXPECT_GT(yearTurns.Count, 20);
    EXPECT_LE(all.WorstHz, kToleranceHz) << "worst at " << all.WorstRow;
}

// Places with more than one name: the pole at any longitude, 180 degrees east and west.
TEST(MoonDoppler, OnePlaceUnderTwoNamesGivesOneRate) {
    const UtcDateTime instant{2031, 7, 14, 5, 30, 12.5};
    struct Case {
        const char* Name;
        GeoSite A;
        GeoSite B;
    };
    const Case cases[] = {
        {"north pole", {Radians(90), 0}, {Radians(90), Radians(123)}},
        {"south pole", {Radians(-90), Radians(-45)}, {Radians(-90), Radians(170)}},
        {"date line on the equator", {0, Radians(180)}, {0, Radians(-180)}},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(MoonRangeRateMps(instant, c.A), MoonRangeRateMps(instant, c.B), 1e-6) << c.Name;
    }
}

// A leap second: 2016-12-31 23:59:60 UTC is one second after 23:59:59, and 2017-01-01
// 00:00:00 one second after that; the rate moves smoothly through both.
TEST(MoonDoppler, LeapSecondIsOneSecondOfTime) {
    const GeoSite site{Radians(52), Radians(-1)};
    const double before = MoonRangeRateMps({2016, 12, 31, 23, 59, 59}, site);
    const double leap = MoonRangeRateMps({2016, 12, 31, 23, 59, 60}, site);
    const double after = MoonRangeRateMps({2017, 1, 1, 0, 0, 0}, site);
    // The rate changes by a few hundredths of a m/s in a second (Earth's turning); the two
    // steps are equal, as two seconds of time must be.
    EXPECT_NEAR(leap - before, after - leap, 1e-5);
    EXPECT_LT(std::abs(after - before), 0.1);
}

}  // namespace
}  // namespace velmorant
