// SPDX-License-Identifier: GPL-3.0-or-later
// The mutual windows against the planning report itself: for each case, the windows of every DX
// station equal the runs of consecutive lines of RunPlanning for that pair (the grid's 2400 and
// the next date's 0000 being consecutive), and their values are those the lines print.

#include "run/passes/mutual_windows.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "run/passes/chart_series.h"
#include "run/passes/moon_instant_table.h"
#include "run/passes/window_grid.h"
#include "run/planning/planning_run.h"
#include "run/planning/step_grid.h"
#include "run/report/report_text.h"
#include "run/sky_temperature_file.h"

namespace velmorant {
namespace {

class CollectingSink : public ReportSink {
  public:
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

struct Coordinates {
    const char* Callsign;
    const char* LatDeg;
    const char* LatMin;
    const char* LatDir;
    const char* LonDeg;
    const char* LonMin;
    const char* LonDir;
};

struct WindowsCase {
    const char* Name;
    Coordinates Home;
    int Increment;
    const char* HomeAbove;
    const char* DxAbove;
    const char* DxBelow;
    const char* AzMin;
    const char* AzMax;
    const char* GmtMin;
    const char* GmtMax;
    const char* MaxDegradation;
    const char* OutputLines;
};

// DX stations of both hemispheres, near the pole and on either side of 180 degrees.
const std::vector<Coordinates> kDxStations = {
    {"W1AW", "41", "42", "N", "72", "43", "W"},    {"ZS6EME", "25", "54", "S", "28", "16", "E"},
    {"VK2ALU", "33", "52", "S", "151", "12", "E"}, {"JA1ABC", "35", "41", "N", "139", "46", "E"},
    {"PY2BS", "23", "33", "S", "46", "38", "W"},   {"KL7POLE", "88", "30", "N", "150", "0", "W"},
    {"ZL4EAST", "44", "0", "S", "179", "58", "E"}, {"ZK3WEST", "9", "10", "S", "179", "59", "W"},
};

const Coordinates kMunich{"DL1HOME", "48", "8", "N", "11", "37", "E"};
const Coordinates kCapeTown{"ZS1HOME", "33", "55", "S", "18", "25", "E"};
const Coordinates kSvalbard{"JW1POLE", "78", "13", "N", "15", "39", "E"};
const Coordinates kFiji{"3D2HOME", "18", "8", "S", "178", "26", "E"};

const std::vector<WindowsCase> kCases = {
    {"north_home_step_1", kMunich, 1, "-2", "-2", "90", "0", "360", "0000", "2400", "0", "0"},
    {"south_home_step_7", kCapeTown, 7, "5", "0", "60", "0", "360", "0000", "2400", "0", "0"},
    {"polar_home_step_1", kSvalbard, 1, "0", "10", "90", "0", "360", "0000", "2400", "0", "0"},
    {"home_near_180_time_window", kFiji, 7, "0", "0", "90", "0", "360", "1800", "0600", "0", "0"},
    {"azimuth_window", kMunich, 1, "0", "0", "90", "90", "270", "0000", "2400", "0", "0"},
    {"azimuth_window_north", kCapeTown, 7, "0", "0", "90", "60", "300", "0000", "2400", "0", "0"},
    {"max_degradation_paging", kMunich, 1, "-2", "0", "90", "0", "360", "0000", "2400", "1.1",
     "40"},
    {"max_degradation_step_7", kCapeTown, 7, "0", "0", "90", "0", "360", "0000", "2400", "1.1",
     "0"},
};

void SetRow(StationInputs& row, const Coordinates& at, const char* above, const char* below) {
    row.DisplayChecked = true;
    row.Callsign = at.Callsign;
    row.Locator = "";
    row.LatDeg = at.LatDeg;
    row.LatMin = at.LatMin;
    row.LatSec = "0";
    row.LatDir = at.LatDir;
    row.LonDeg = at.LonDeg;
    row.LonMin = at.LonMin;
    row.LonSec = "0";
    row.LonDir = at.LonDir;
    row.Above = above;
    row.Below = below;
}

RunParameters ParametersFor(const WindowsCase& c, const Coordinates& dx) {
    WindowInputs in;
    in.OperationIndex = 0;
    in.MonthStartIndex = in.MonthEndIndex = 2;  // March 2016: a new Moon on the 9th
    in.DayStartIndex = 6;
    in.DayEndIndex = 9;
    in.YearStart = in.YearEnd = "2016";
    SetRow(in.Home, c.Home, c.HomeAbove, "90");
    SetRow(in.DX, dx, c.DxAbove, c.DxBelow);
    in.UnitsIndex = 0;
    in.CelestialIndex = 0;
    in.CelestialText = "Moon";
    in.Noise = "50";
    in.IncrementMinutes = std::to_string(c.Increment);
    in.OutputLines = c.OutputLines;
    in.Band = "144";
    in.Region = "1";
    in.AzMin = c.AzMin;
    in.AzMax = c.AzMax;
    in.GmtMin = c.GmtMin;
    in.GmtMax = c.GmtMax;
    in.MaxDegradation = c.MaxDegradation;
    auto gathered = GatherRunParameters(in);
    EXPECT_TRUE(std::holds_alternative<RunParameters>(gathered));
    return std::get<RunParameters>(gathered);
}

SkyTemperatureTable SkyTable() {
    auto table = LoadSkyTemperatures(std::filesystem::path(VELMORANT_DATA) / "QVSKYTEMP.DAT");
    return std::get<SkyTemperatureTable>(table);
}

// A report line as printed, with the grid instant it stands for.
struct PrintedLine {
    std::size_t Instant;
    std::string Text;
};

// The lines of a both-stations Moon report, each placed on the grid by its header's date and its
// time.
std::vector<PrintedLine> PrintedLines(const std::vector<std::string>& report,
                                      const RunParameters& params) {
    const std::vector<PlanningDate> dates = PlanningDates(params);
    const std::vector<float> instants = DayInstants(params.IncrementMinutes);
    std::map<std::string, std::size_t> dateIndex;
    for (std::size_t d = 0; d < dates.size(); ++d) {
        const CalendarDate& date = dates[d].Date;
        dateIndex[std::string(MonthAbbrev(date.Month)) + " " + std::to_string(date.Day) + "," +
                  std::to_string(date.Year)] = d;
    }
    std::vector<PrintedLine> lines;
    std::size_t date = 0;
    for (const std::string& line : report) {
        const std::string head = line.substr(0, line.find(' ', 4));
        if (dateIndex.count(head) != 0) {
            date = dateIndex[head];
        } else if (line.size() > 4 && std::isdigit(static_cast<unsigned char>(line[0]))) {
            const float hhmm = std::stof(line.substr(0, 4));
            std::size_t j = 0;
            while (instants[j] != hhmm) {
                ++j;
            }
            lines.push_back({date * instants.size() + j, line});
        }
    }
    return lines;
}

double Column(const std::string& line, std::size_t from, std::size_t width) {
    return std::atof(line.substr(from, width).c_str());
}

// The windows of station k are the runs of consecutive lines of its pair's report, with the
// values those lines print.
void ExpectWindowsAreRuns(const std::vector<MutualWindow>& windows, std::size_t k,
                          const std::vector<PrintedLine>& lines) {
    std::vector<const MutualWindow*> mine;
    for (const MutualWindow& w : windows) {
        if (w.Station == k) {
            mine.push_back(&w);
        }
    }
    std::size_t run = 0;
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t end = i + 1;
        while (end < lines.size() && lines[end].Instant == lines[end - 1].Instant + 1) {
            ++end;
        }
        SCOPED_TRACE("run from " + lines[i].Text);
        ASSERT_LT(run, mine.size());
        const MutualWindow& w = *mine[run++];
        EXPECT_EQ(w.First, lines[i].Instant);
        EXPECT_EQ(w.Last, lines[end - 1].Instant);
        double homeElevation = -99, dxElevation = -99, degradation = 99;
        for (std::size_t l = i; l < end; ++l) {
            homeElevation = std::max(homeElevation, Column(lines[l].Text, 27, 5));
            dxElevation = std::max(dxElevation, Column(lines[l].Text, 49, 5));
            degradation = std::min(degradation, Column(lines[l].Text, 69, 6));
        }
        EXPECT_NEAR(RoundedDegrees(w.HomeAzimuthStart), Column(lines[i].Text, 19, 5), 1e-4);
        EXPECT_NEAR(RoundedDegrees(w.HomeAzimuthEnd), Column(lines[end - 1].Text, 19, 5), 1e-4);
        EXPECT_NEAR(RoundedDegrees(w.HomeElevationMax), homeElevation, 1e-4);
        EXPECT_NEAR(RoundedDegrees(w.DxElevationMax), dxElevation, 1e-4);
        EXPECT_NEAR(RoundToStep(w.DegradationMin, 10), degradation, 1e-4);
        i = end;
    }
    EXPECT_EQ(run, mine.size());
}

// Cases print as their names in the test log.
void PrintTo(const WindowsCase& c, std::ostream* os) {
    *os << c.Name;
}

class MutualWindowsTest : public ::testing::TestWithParam<WindowsCase> {};

TEST_P(MutualWindowsTest, WindowsAreTheRunsOfTheReportsLines) {
    const WindowsCase& c = GetParam();
    const SkyTemperatureTable sky = SkyTable();
    const RunParameters params = ParametersFor(c, kDxStations.front());
    std::vector<StationSite> stations;
    for (const Coordinates& dx : kDxStations) {
        stations.push_back(ParametersFor(c, dx).DX);
    }
    const std::vector<MutualWindow> windows = FindMutualWindows(params, sky, stations, 2);
    // Handed on date by date, yet in order of start and callsign: a window open across
    // midnight comes out before the windows that start after it.
    EXPECT_TRUE(std::is_sorted(windows.begin(), windows.end(), [&](const auto& a, const auto& b) {
        return std::tie(a.First, stations[a.Station].Callsign) <
               std::tie(b.First, stations[b.Station].Callsign);
    }));

    std::size_t linesSeen = 0;
    std::size_t linesWithoutLimit = 0;
    WindowsCase withoutLimit = c;
    withoutLimit.MaxDegradation = "0";
    for (std::size_t k = 0; k < stations.size(); ++k) {
        const RunParameters pair = ParametersFor(c, kDxStations[k]);
        CollectingSink report;
        ASSERT_EQ(RunPlanning(pair, sky, report), PlanningEnd::Completed);
        const std::vector<PrintedLine> lines = PrintedLines(report.lines, pair);
        linesSeen += lines.size();
        CollectingSink unlimited;
        RunPlanning(ParametersFor(withoutLimit, kDxStations[k]), sky, unlimited);
        linesWithoutLimit += PrintedLines(unlimited.lines, pair).size();

        SCOPED_TRACE(std::string(c.Name) + " " + kDxStations[k].Callsign);
        ExpectWindowsAreRuns(windows, k, lines);
    }
    EXPECT_GT(linesSeen, 0u) << "the case must print something";
    if (std::string(c.MaxDegradation) != "0") {
        EXPECT_LT(linesSeen, linesWithoutLimit) << "the maximum degradation must cut days short";
    }
}

// A list of windows keeps of each only its station, first and last instants and highest DX
// elevation: the grid gives back every other field as the pass wrote it, to the bit.
TEST_P(MutualWindowsTest, TheWindowGridGivesBackEachWindowBitForBit) {
    const WindowsCase& c = GetParam();
    const RunParameters params = ParametersFor(c, kDxStations.front());
    std::vector<StationSite> stations;
    for (const Coordinates& dx : kDxStations) {
        stations.push_back(ParametersFor(c, dx).DX);
    }
    const MoonInstantTable table(params, SkyTable(), 2);
    const std::vector<MutualWindow> windows = FindMutualWindows(table, params, stations, 2);
    const WindowGrid grid(table);
    ASSERT_FALSE(windows.empty());
    const auto bits = [](float value) { return std::bit_cast<std::uint32_t>(value); };
    for (const MutualWindow& w : windows) {
        const MutualWindow again = grid.WindowOf(w.Station, w.First, w.Last, w.DxElevationMax);
        SCOPED_TRACE("station " + std::to_string(w.Station) + " from " + std::to_string(w.First));
        EXPECT_EQ(again.Station, w.Station);
        EXPECT_EQ(again.First, w.First);
        EXPECT_EQ(again.Last, w.Last);
        EXPECT_EQ(again.Start.Date, w.Start.Date);
        EXPECT_EQ(bits(again.Start.UtcHHMM), bits(w.Start.UtcHHMM));
        EXPECT_EQ(again.End.Date, w.End.Date);
        EXPECT_EQ(bits(again.End.UtcHHMM), bits(w.End.UtcHHMM));
        EXPECT_EQ(again.LengthMinutes, w.LengthMinutes);
        EXPECT_EQ(bits(again.HomeAzimuthStart), bits(w.HomeAzimuthStart));
        EXPECT_EQ(bits(again.HomeAzimuthEnd), bits(w.HomeAzimuthEnd));
        EXPECT_EQ(bits(again.HomeElevationMax), bits(w.HomeElevationMax));
        EXPECT_EQ(bits(again.DxElevationMax), bits(w.DxElevationMax));
        EXPECT_EQ(bits(again.DegradationMin), bits(w.DegradationMin));
    }
}

// Near the pole the Moon of high declination stays up for days: the pair's window stays open
// over several dates while every other station's windows close and are handed on, in order.
TEST(MutualWindows, AWindowOpenForDaysComesBeforeTheWindowsThatStartAfterIt) {
    WindowsCase c = kCases[2];  // Svalbard
    c.Increment = 10;
    RunParameters params = ParametersFor(c, kDxStations.front());
    params.StartDayNumber -= 8;  // from 2016-03-07: the Moon north of 12 degrees from the 12th
    params.EndDayNumber += 10;   // to 2016-03-19
    std::vector<StationSite> stations;
    for (const Coordinates& dx : kDxStations) {
        stations.push_back(ParametersFor(c, dx).DX);
    }
    const std::vector<MutualWindow> windows = FindMutualWindows(params, SkyTable(), stations, 2);
    const auto longest = std::max_element(
        windows.begin(), windows.end(),
        [](const auto& a, const auto& b) { return a.LengthMinutes < b.LengthMinutes; });
    ASSERT_NE(longest, windows.end());
    EXPECT_GE(longest->LengthMinutes, 2 * 1440) << "the case must keep a window open for days";
    EXPECT_TRUE(std::is_sorted(windows.begin(), windows.end(), [&](const auto& a, const auto& b) {
        return std::tie(a.First, stations[a.Station].Callsign) <
               std::tie(b.First, stations[b.Station].Callsign);
    }));
    EXPECT_GT(windows.end() - longest, 8) << "windows of the other stations follow it";
}

// A DX station with the Moon exactly in its zenith at one instant: there the walk's routine keeps
// the view of the last instant it computed (HorizonPosition's Single cosine vanishes), an hour
// earlier, which passes the upper limit of 80 degrees that the zenith itself would fail. The
// windows follow the walk there too.
TEST(MutualWindows, AZenithInstantKeepsTheWalksEarlierView) {
    WindowsCase c = kCases.front();
    c.Increment = 60;
    c.DxBelow = "80";
    const SkyTemperatureTable sky = SkyTable();
    RunParameters params = ParametersFor(c, kDxStations.front());
    const MoonInstantTable table(params, sky, 1);
    std::size_t zenith = 0;
    for (std::size_t g = 0; g < table.Size(); ++g) {
        if (table.HomeView(g).Elevation > table.HomeView(zenith).Elevation) {
            zenith = g;
        }
    }
    ASSERT_TRUE(table.HomePasses(zenith));
    StationSite& dx = params.DX;
    dx.LatitudeRad = table.Place(zenith).Place.Declination;
    dx.LongitudeRad = table.Place(zenith).GreenwichHourAngle;
    if (dx.LongitudeRad > Pi) {
        dx.LongitudeRad -= TwoPi;
    }
    dx.Callsign = "ZENITH";

    const std::vector<MutualWindow> windows = FindMutualWindows(params, sky, {&dx, 1}, 2);
    CollectingSink report;
    ASSERT_EQ(RunPlanning(params, sky, report), PlanningEnd::Completed);
    const std::vector<PrintedLine> lines = PrintedLines(report.lines, params);
    ExpectWindowsAreRuns(windows, 0, lines);
    bool printedAtZenith = false;
    for (const PrintedLine& line : lines) {
        printedAtZenith = printedAtZenith || line.Instant == zenith;
    }
    EXPECT_TRUE(printedAtZenith) << "the kept view passes where the zenith would not";
}

TEST(MutualWindows, AWatchedPassCountsItsStepsAndAStoppedOneReturnsNothing) {
    WindowsCase c = kCases.front();
    c.Increment = 30;
    const SkyTemperatureTable sky = SkyTable();
    const RunParameters params = ParametersFor(c, kDxStations.front());
    std::vector<StationSite> sites;
    for (const Coordinates& dx : kDxStations) {
        sites.push_back(ParametersFor(c, dx).DX);
    }
    MutualWindowsProgress watched;
    EXPECT_FALSE(FindMutualWindows(params, sky, sites, 2, &watched).empty());
    EXPECT_EQ(watched.StepsDone.load(), sites.size() * PlanningDates(params).size());
    EXPECT_EQ(watched.StepsTotal.load(), watched.StepsDone.load());
    MutualWindowsProgress stopped;
    stopped.StopRequested = true;
    EXPECT_TRUE(FindMutualWindows(params, sky, sites, 2, &stopped).empty());
    EXPECT_EQ(stopped.StepsDone.load(), 0u);
}

// The chart's series: at every line of the pair's report its elevations are the ones printed,
// its windows are the mutual windows of the pair, and Home has day at noon and night at midnight.
TEST(ChartSeries, ShowsTheReportsElevationsAndThePairsWindows) {
    WindowsCase c = kCases.front();
    c.Increment = 15;
    const SkyTemperatureTable sky = SkyTable();
    const RunParameters params = ParametersFor(c, kDxStations.front());
    const ChartSeries series = ComputeChartSeries(params, sky);
    const std::size_t perDate = DayInstants(15).size();
    ASSERT_EQ(series.Days.size(), PlanningDates(params).size() * perDate);

    CollectingSink report;
    ASSERT_EQ(RunPlanning(params, sky, report), PlanningEnd::Completed);
    const std::vector<PrintedLine> lines = PrintedLines(report.lines, params);
    ASSERT_FALSE(lines.empty());
    double worst = 0;
    for (const PrintedLine& line : lines) {
        worst = std::max(
            {worst, std::abs(series.HomeElevationDeg[line.Instant] - Column(line.Text, 27, 5)),
             std::abs(series.DxElevationDeg[line.Instant] - Column(line.Text, 49, 5))});
    }
    std::cout << lines.size() << " lines, worst elevation " << worst << " degree\n";
    EXPECT_LE(worst, 0.05 + 1e-4);  // the report rounds to 0.1 degree

    const std::vector<MutualWindow> windows = FindMutualWindows(params, sky, {&params.DX, 1}, 1);
    ASSERT_EQ(series.Windows.size(), windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(series.Windows[i].First, windows[i].First);
        EXPECT_EQ(series.Windows[i].Last, windows[i].Last);
    }
    // Munich in March: the Sun near 37 degrees at 1200 UTC, far below the horizon at 0000.
    EXPECT_NEAR(series.SunElevationDeg[48], 36.5, 1.5);
    EXPECT_LT(series.SunElevationDeg[0], -30);
    EXPECT_DOUBLE_EQ(series.Days[perDate], series.Days[perDate - 1]);  // 2400 is the next 0000
}

INSTANTIATE_TEST_SUITE_P(Pairs, MutualWindowsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace velmorant
