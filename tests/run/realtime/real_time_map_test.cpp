// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/real_time_map.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "run/realtime/real_time_pass.h"
#include "tests/run/realtime/real_time_fixtures.h"

namespace velmorant {
namespace {

using testing::At;
using testing::DefaultRealTimeInputs;
using testing::Gathered;
using testing::ShippedSky;
using testing::WithObject;
using testing::WithStations;

double Deg(double degrees) {
    return degrees * DegToRad;
}

TEST(AzElLine, JoinsTheSixFieldsWithCommasKeepingTheirPadding) {
    EXPECT_EQ(AzElLine("12:34:00", Deg(123.42), Deg(45.6), "Moon", Deg(234.5), Deg(18.31)),
              "12:34:00,123.4, 45.6,Moon,234.5, 18.3");
    EXPECT_EQ(AzElLine("00:00:59", Deg(45.26), Deg(-3.04), "Cassiopeia A", Deg(0), Deg(-40)),
              "00:00:59, 45.3, -3.0,Cassiopeia A,  0.0,-40.0");
    EXPECT_EQ(AzElLine("23:59:00", 0, 0, "(Other)", Deg(359.96), Deg(-0.04)),
              "23:59:00,  0.0,  0.0,(Other),360.0,  0.0");
}

// What the map update of a pass writes and shows, against the planning reports of
// tests/data/plan for the same instant (named per case; their GHA and DEC columns are the Moon's
// topocentric values for Home).
struct MoonCase {
    const char* Scenario;
    LocalDateTime Utc;
    const char* Line;
    const char* Gha;
    const char* Dec;
    TextColour Colour;  // after an update whose topocentric declination was 0
};

TEST(MapUpdate, TheMoonsTopocentricValuesForHomeAreShownAndWritten) {
    const MoonCase cases[] = {
        {"moon-home-only 1200", At(2016, 3, 16, 12, 0, 0), "12:00:00, 77.4, 12.3,Moon,257.4, 17.5",
         "257.4", " 17.5", TextColour::SystemText},
        {"moon-home-only 1800", At(2016, 3, 16, 18, 0, 2), "18:00:02,173.3, 59.3,Moon,344.8, 17.6",
         "344.8", " 17.6", TextColour::SystemText},
        // At the first update of the program the previous declination is 0: south is red.
        {"moon-home-new-moon 0600", At(2016, 3, 8, 6, 0, 0),
         "06:00:00,110.3,  6.3,Moon,277.9, -8.6", "277.9", " -8.6", TextColour::Red},
    };
    const RunParameters params = Gathered(DefaultRealTimeInputs());
    for (const auto& c : cases) {
        const RealTimePassResult pass = RealTimePass(params, ShippedSky(), c.Utc);
        double previous = 0;
        const MapUpdateFrame update = MapUpdate(params, pass, previous);
        SCOPED_TRACE(c.Scenario);
        EXPECT_EQ(update.AzElLine, c.Line);
        EXPECT_TRUE(update.ShowTopocentric);
        EXPECT_EQ(update.TopocentricGHA, c.Gha);
        EXPECT_EQ(update.TopocentricDec, c.Dec);
        EXPECT_EQ(update.TopocentricDecColour, c.Colour);
        EXPECT_EQ(AngleText(previous), c.Dec) << "the declination is kept for the next update";
    }
}

TEST(MapUpdate, TheDeclinationIsRedOnlyWhileItIsLowerThanAtThePreviousUpdate) {
    const RunParameters params = Gathered(DefaultRealTimeInputs());
    const RealTimePassResult pass = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 12, 0, 0));
    double previous = 1.0;
    EXPECT_EQ(MapUpdate(params, pass, previous).TopocentricDecColour, TextColour::Red);
    const double declination = previous;
    EXPECT_EQ(MapUpdate(params, pass, previous).TopocentricDecColour, TextColour::SystemText)
        << "an unchanged declination is not moving south";
    EXPECT_EQ(previous, declination);
    previous = declination - 1e-9;
    EXPECT_EQ(MapUpdate(params, pass, previous).TopocentricDecColour, TextColour::SystemText);
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char ch : line) {
        if (ch == ',') {
            fields.emplace_back();
        } else {
            fields.back() += ch;
        }
    }
    return fields;
}

TEST(MapUpdate, AnotherObjectHidesTheTopocentricLabelsAndWritesItsGeocentricPlace) {
    // sun-dx-only 1200: the Sun at declination 23.4; at 12:00 UTC it stands close to Greenwich's
    // meridian (hour angle 0), a minute and a half of the equation of time short of it.
    const RunParameters params =
        Gathered(WithStations(WithObject(DefaultRealTimeInputs(), 1, "Sun"), false, true));
    const RealTimePassResult pass = RealTimePass(params, ShippedSky(), At(2016, 6, 21, 12, 0, 0));
    double previous = 0.25;
    const MapUpdateFrame update = MapUpdate(params, pass, previous);
    EXPECT_FALSE(update.ShowTopocentric);
    EXPECT_EQ(update.TopocentricGHA, "");
    EXPECT_EQ(update.TopocentricDec, "");
    EXPECT_EQ(previous, 0.25);
    const std::vector<std::string> fields = Fields(update.AzElLine);
    ASSERT_EQ(fields.size(), 6u) << update.AzElLine;
    EXPECT_EQ(fields[0], "12:00:00");
    EXPECT_EQ(fields[1], "  0.0") << "Home is not displayed";
    EXPECT_EQ(fields[2], "  0.0");
    EXPECT_EQ(fields[3], "Sun");
    EXPECT_NEAR(std::stod(fields[4]), 360.0, 1.0);
    EXPECT_EQ(fields[5], " 23.4");
}

TEST(MapUpdate, ACustomObjectIsWrittenUnderTheListsText) {
    WindowInputs inputs = WithObject(DefaultRealTimeInputs(), 8, "(Other)", "12", "29", "+2.05");
    inputs.EnterObject = "3C273";
    const RunParameters params = Gathered(inputs);
    double previous = 0;
    const MapUpdateFrame update =
        MapUpdate(params, RealTimePass(params, ShippedSky(), At(2016, 3, 16, 0, 0, 0)), previous);
    // other-home 0000 for Home.
    EXPECT_EQ(Fields(update.AzElLine)[3], "(Other)");
    EXPECT_EQ(update.AzElLine.substr(0, 21), "00:00:00,177.8, 43.9,");
}

struct StationCase {
    const char* LonDegHome;
    const char* LonDirHome;
    const char* LonDegDX;
    const char* LonDirDX;
    bool Home, Dx;
    std::vector<std::pair<double, std::string>> Xs;  // expected x and caption, Home first
};

TEST(MapUpdate, StationsAreMarkedInCentredMapCoordinates) {
    const StationCase cases[] = {
        {"180", "W", "180", "E", true, true, {{-636.5, "DL1ABC"}, {636.5, "W1XYZ"}}},
        {"0", "W", "90", "W", true, true, {{0.0, "DL1ABC"}, {-318.25, "W1XYZ"}}},
        {"11", "E", "90", "E", false, true, {{318.25, "W1XYZ"}}},
        {"11", "E", "72", "W", false, false, {}},
    };
    for (const auto& c : cases) {
        WindowInputs inputs = WithStations(DefaultRealTimeInputs(), c.Home, c.Dx);
        inputs.Home.LonDeg = c.LonDegHome;
        inputs.Home.LonMin = inputs.Home.LonSec = "0";
        inputs.Home.LonDir = c.LonDirHome;
        inputs.DX.LonDeg = c.LonDegDX;
        inputs.DX.LonMin = inputs.DX.LonSec = "0";
        inputs.DX.LonDir = c.LonDirDX;
        const RunParameters params = Gathered(inputs);
        double previous = 0;
        const MapUpdateFrame update = MapUpdate(
            params, RealTimePass(params, ShippedSky(), At(2016, 3, 16, 12, 0, 0)), previous);
        ASSERT_EQ(update.Stations.size(), c.Xs.size()) << c.LonDegHome << " " << c.LonDegDX;
        for (std::size_t i = 0; i < c.Xs.size(); ++i) {
            EXPECT_NEAR(update.Stations[i].X, c.Xs[i].first, 1e-9) << i;
            EXPECT_EQ(update.Stations[i].Caption, c.Xs[i].second) << i;
        }
        EXPECT_FALSE(update.BelowHorizon.empty()) << "the dots are drawn with or without stations";
    }
}

TEST(MapUpdate, LatitudesAreScaledByTheMapHeight) {
    const RunParameters params = Gathered(DefaultRealTimeInputs());
    double previous = 0;
    const MapUpdateFrame update =
        MapUpdate(params, RealTimePass(params, ShippedSky(), At(2016, 3, 16, 12, 0, 0)), previous);
    ASSERT_EQ(update.Stations.size(), 2u);
    // JN58td 48 08' 45" N 11 37' 30" E, FN31pq 41 41' 15" N 72 42' 30" W.
    EXPECT_NEAR(update.Stations[0].X, (11 + 37.5 / 60) * 1273 / 360, 1e-6);
    EXPECT_NEAR(update.Stations[0].Y, (48 + 8.75 / 60) * 636 / 180, 1e-5);
    EXPECT_NEAR(update.Stations[1].X, -(72 + 42.5 / 60) * 1273 / 360, 1e-6);
    EXPECT_NEAR(update.Stations[1].Y, (41 + 41.25 / 60) * 636 / 180, 1e-6);
    EXPECT_NEAR(MapY(-Pi / 2), -318.0, 1e-12);
}

bool Dotted(const std::vector<MapPixel>& dots, int column, int row) {
    return std::any_of(dots.begin(), dots.end(),
                       [&](const MapPixel& p) { return p.Column == column && p.Row == row; });
}

// Pixels of grid points: column Int(636.5 + east longitude * 1273 / 360), row
// Int(318 - latitude * 636 / 180).
struct PixelCase {
    int Column, Row;
    bool Dotted;
};

TEST(BelowHorizonDots, DotTheHalfOfTheEarthThatCannotSeeTheObject) {
    // Declination 0, over Greenwich: below the horizon wherever the longitude is beyond 90
    // degrees either way.
    const std::vector<MapPixel> dots = BelowHorizonDots(0, 0);
    const PixelCase cases[] = {
        {990, 282, true},   // 10 N 100 E
        {282, 282, true},   // 10 N 100 W
        {671, 282, false},  // 10 N 10 E
        {636, 282, false},  // 10 N 0
        {636, 600, false},  // 80 S 0
        {1272, 388, true},  // 20 S 180 E, on the right edge
        {0, 388, true},     // 20 S 180 W
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Dotted(dots, c.Column, c.Row), c.Dotted) << c.Column << "," << c.Row;
    }
    // Each of the 179 rows from 89 S to 89 N: 90 points from 180 E to 91 E and 91 from 90 W to
    // 180 W (the single-precision steps carry the 270th point just past 90 W). The south pole
    // row lies a hair beyond the pole, where the cosine of the latitude turns negative: there
    // the other 180 points are dotted.
    EXPECT_EQ(dots.size(), 179u * 181u + 180u);
    const std::set<std::pair<int, int>> distinct = [&] {
        std::set<std::pair<int, int>> pixels;
        for (const auto& p : dots) {
            pixels.emplace(p.Column, p.Row);
        }
        return pixels;
    }();
    EXPECT_EQ(distinct.size(), dots.size()) << "one pixel per grid point";
    for (const auto& p : dots) {
        ASSERT_TRUE(p.Column >= 0 && p.Column <= 1272 && p.Row >= 0 && p.Row <= 635)
            << p.Column << "," << p.Row;
    }
}

TEST(BelowHorizonDots, ANorthernObjectLeavesTheNorthPoleClearAndDotsTheSouthPole) {
    const std::vector<MapPixel> dots = BelowHorizonDots(Deg(100), Deg(23));
    // Beyond 67 S the object never rises: the 23 grid rows from 90 S to 68 S are dotted whole;
    // north of 67 N it never sets.
    const auto south =
        std::count_if(dots.begin(), dots.end(), [](const MapPixel& p) { return p.Row >= 556; });
    EXPECT_EQ(south, 23 * 361);
    const auto bottom =
        std::count_if(dots.begin(), dots.end(), [](const MapPixel& p) { return p.Row == 635; });
    EXPECT_EQ(bottom, 361);
    EXPECT_TRUE(
        std::none_of(dots.begin(), dots.end(), [](const MapPixel& p) { return p.Row <= 77; }));
}

TEST(BelowHorizonDots, TheClearHalfFollowsTheHourAngleWestward) {
    // Over 90 W the object is overhead; 90 E sees it not at all.
    const std::vector<MapPixel> dots = BelowHorizonDots(Deg(90), 0);
    EXPECT_FALSE(Dotted(dots, 318, 282));  // 10 N 90 W
    EXPECT_TRUE(Dotted(dots, 954, 282));   // 10 N 90 E
    EXPECT_TRUE(Dotted(dots, 1131, 282));  // 10 N 140 E
    EXPECT_FALSE(Dotted(dots, 459, 282));  // 10 N 50 W
}

}  // namespace
}  // namespace velmorant
