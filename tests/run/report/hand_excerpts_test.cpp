// SPDX-License-Identifier: GPL-3.0-or-later
// The report writers against excerpts worked out by hand from the layout rules
// (tests/data/plan/hand/README.md gives the values and the working).

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "run/report/fixed_object_report.h"
#include "run/report/moon_report.h"

namespace velmorant {
namespace {

class CollectingSink : public ReportSink {
  public:
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

std::vector<std::string> HandLines(const std::string& name) {
    std::ifstream in(std::string(VELMORANT_HAND_EXCERPTS) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> lines;
    std::string all = text.str();
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = all.find("\r\n", start);
        lines.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

float Radians(double degrees) {
    return static_cast<float>(degrees * TwoPi / 360.0);
}

StationView View(double azimuthDegrees, double elevationDegrees) {
    StationView view;
    view.AzimuthSingle = Radians(azimuthDegrees);
    view.ElevationSingle = Radians(elevationDegrees);
    return view;
}

RunParameters BothStationsOnMarch5() {
    RunParameters p;
    p.DisplayHome = p.DisplayDX = true;
    p.BothStations = true;
    p.UnitsLabel = "KM";
    p.Band = "144";
    p.BandMHz = 144;
    p.IncrementMinutes = 15;
    p.Home.Callsign = "DL1ABC";
    p.Home.Locator = "JN58td";
    p.DX.Callsign = "W1XYZ";
    p.DX.Locator = "FN31pq";
    p.DX.Latitude = 41.6875;
    p.DX.Longitude = 72.0 + 42.5 / 60.0;
    p.DxDistance = 6334.3;
    return p;
}

MoonReportDay March5() {
    MoonReportDay day{59905, 2016, 3, 5, {}};
    day.Distance.DistanceKm = 377293.4375f;
    day.Distance.TurnMark = "A";
    day.Distance.DaysSinceTurn = 7;
    day.Distance.SemiDiameterArcmin = 15.835772;
    return day;
}

TEST(HandExcerpts, MoonDayHeaderForBothStations) {
    const RunParameters params = BothStationsOnMarch5();
    CollectingSink sink;
    ReportPager pager(sink, 0);
    MoonReport report(params, pager);
    report.StartDay(March5());
    report.WriteInstant(MoonReportInstant{});
    const std::vector<std::string> header(sink.lines.begin(), sink.lines.begin() + 6);
    EXPECT_EQ(header, HandLines("moon-header-both.txt"));
}

TEST(HandExcerpts, MoonLinesForOneAndBothStations) {
    RunParameters oneStation = BothStationsOnMarch5();
    oneStation.DisplayDX = false;
    oneStation.BothStations = false;
    MoonReportInstant first;
    first.UtcHHMM = 1345;
    first.PhaseMark = "NM";
    first.ActivityLetter = 'E';
    first.Home = View(123.44, -1.26);
    first.TopoGreenwichHourAngle = 5.04 * TwoPi / 360.0;
    first.TopoDeclination = -17.56 * TwoPi / 360.0;
    first.RightAscension = (5.0 + 57.5 / 60.0) * TwoPi / 24.0;
    first.SkyTemperature = 245.6;
    first.Degradation = 3.449f;

    const RunParameters both = BothStationsOnMarch5();
    MoonReportInstant second;
    second.UtcHHMM = 15;
    second.PhaseMark = "      FM";
    second.Home = View(359.96, 0.04);
    second.TopoDeclination = 2.36 * TwoPi / 360.0;
    second.DX = View(45.0, 10.57);
    second.PolarizationOffset = -45;
    second.SkyTemperature = 0;
    second.Degradation = -0.25f;

    std::vector<std::string> lines;
    const std::pair<const RunParameters*, const MoonReportInstant*> cases[] = {
        {&oneStation, &first}, {&both, &second}};
    for (const auto& [params, instant] : cases) {
        CollectingSink sink;
        ReportPager pager(sink, 0);
        MoonReport report(*params, pager);
        report.StartDay(March5());
        report.WriteInstant(*instant);
        lines.push_back(sink.lines.back());
    }
    EXPECT_EQ(lines, HandLines("moon-lines.txt"));
}

TEST(HandExcerpts, SunHeaderAndLine) {
    RunParameters p;
    p.DisplayHome = true;
    p.SunSelected = true;
    p.CelestialName = "Sun";
    p.IncrementMinutes = 15;
    p.Home.Callsign = "DL1ABC";
    p.Home.Locator = "JN58td";
    p.Home.Latitude = static_cast<float>(48.0 + 8.0 / 60.0 + 45.0 / 3600.0);
    p.Home.Longitude = -11.625;
    CollectingSink sink;
    ReportPager pager(sink, 0);
    FixedObjectReport report(p, pager);
    report.StartDay(FixedObjectReportDay{60206, 2016, 12, 31});
    FixedObjectReportInstant instant;
    instant.UtcHHMM = 730;
    instant.DayFraction = 7.5f / 24.0f;
    instant.View = View(127.26, 0.44);
    instant.Declination = -23.04 * TwoPi / 360.0;
    instant.RightAscension = (18.0 + 41.5 / 60.0) * TwoPi / 24.0;
    ASSERT_TRUE(report.WriteInstant(instant));
    EXPECT_EQ(sink.lines, HandLines("sun-header-and-line.txt"));
}

}  // namespace
}  // namespace velmorant
