// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/planning_run.h"

#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "run/run_parameters.h"

namespace velmorant {
namespace {

class CollectingSink : public ReportSink {
  public:
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

SkyTemperatureTable FlatSky() {
    std::string text;
    for (int i = 0; i < 50; ++i) {
        text += std::to_string(i * 0.5) + ",200,20\r\n";
    }
    return std::get<SkyTemperatureTable>(ParseSkyTemperatures(text));
}

// Cold Sky North seen from Home at 52 N 0 W, every elevation accepted: every instant qualifies.
RunParameters EveryInstantOfColdSky(int incrementMinutes, int outputLines, int days) {
    WindowInputs in;
    in.OperationIndex = 0;
    in.MonthStartIndex = in.MonthEndIndex = 2;
    in.DayStartIndex = 4;
    in.DayEndIndex = 4 + days - 1;
    in.YearStart = in.YearEnd = "2016";
    in.Home.LatDeg = "52";
    in.Home.LatDir = "N";
    in.Home.LonDir = "W";
    in.Home.Above = "-90";
    in.Home.Below = "90";
    in.DX.DisplayChecked = false;
    in.CelestialIndex = 6;
    in.CelestialText = "Cold Sky North";
    in.CelestialRAhours = "9";
    in.CelestialRAminutes = "30";
    in.CelestialDec = "+40";
    in.Noise = "50";
    in.IncrementMinutes = std::to_string(incrementMinutes);
    in.OutputLines = std::to_string(outputLines);
    in.Band = "144";
    in.AzMin = "0";
    in.AzMax = "360";
    in.GmtMin = "0000";
    in.GmtMax = "2400";
    return std::get<RunParameters>(GatherRunParameters(in));
}

std::vector<std::string> Times(const std::vector<std::string>& report) {
    std::vector<std::string> times;
    for (const auto& line : report) {
        if (line.size() > 4 && line[0] >= '0' && line[0] <= '9' && line[4] == ' ') {
            times.push_back(line.substr(0, 4));
        }
    }
    return times;
}

TEST(RunPlanning, TheDayEndsWithTwentyFourHundredWhenTheStepOvershootsIt) {
    struct Case {
        int Increment;
        std::vector<std::string> LastTimes;
        std::size_t Count;
    };
    const Case cases[] = {{7, {"2341", "2348", "2355", "2400"}, 207},
                          {50, {"2140", "2230", "2320", "2400"}, 30},
                          {90, {"2100", "2230", "2400"}, 17},
                          {15, {"2330", "2345", "2400"}, 97}};
    for (const auto& c : cases) {
        CollectingSink sink;
        EXPECT_EQ(RunPlanning(EveryInstantOfColdSky(c.Increment, 0, 1), FlatSky(), sink),
                  PlanningEnd::Completed);
        const auto times = Times(sink.lines);
        ASSERT_EQ(times.size(), c.Count) << c.Increment;
        EXPECT_EQ(times.front(), "0000");
        const std::vector<std::string> tail(times.end() - c.LastTimes.size(), times.end());
        EXPECT_EQ(tail, c.LastTimes) << c.Increment;
    }
}

// Sixteen instants a day (every 96 minutes) under a six-line header fill a 22-line page exactly:
// the day's closing empty line overflows it and the next day's header opens the next page.
TEST(RunPlanning, TheClosingEmptyLineOfAFullPageDoesNotRepeatTheHeader) {
    CollectingSink sink;
    RunPlanning(EveryInstantOfColdSky(96, 22, 2), FlatSky(), sink);
    ASSERT_EQ(sink.lines.size(), 2u * (6 + 16 + 1));
    for (std::size_t day = 0; day < 2; ++day) {
        const std::size_t first = day * 23;
        EXPECT_EQ(sink.lines[first].substr(0, 3), "MAR") << day;
        EXPECT_EQ(sink.lines[first + 6].substr(0, 4), "0000");
        EXPECT_EQ(sink.lines[first + 22], "");
    }
}

TEST(RunPlanning, APageBreakRepeatsTheHeaderBeforeThePendingLine) {
    CollectingSink sink;
    RunPlanning(EveryInstantOfColdSky(60, 10, 1), FlatSky(), sink);
    // 25 instants: header + 4 lines, then (header + 4 lines) per page, then the closing line.
    std::vector<std::size_t> headers;
    for (std::size_t i = 0; i < sink.lines.size(); ++i) {
        if (sink.lines[i].rfind("MAR", 0) == 0) {
            headers.push_back(i);
        }
    }
    ASSERT_EQ(headers.size(), 7u);
    for (std::size_t i = 1; i < headers.size(); ++i) {
        EXPECT_EQ(headers[i] - headers[i - 1], 10u);
        EXPECT_EQ(Times({sink.lines[headers[i] + 6]}).size(), 1u) << "a line follows the header";
    }
    EXPECT_EQ(Times(sink.lines).size(), 25u);
}

TEST(RunPlanning, AFixedObjectForBothStationsIsAbandonedBeforeAnyOutput) {
    RunParameters params = EveryInstantOfColdSky(60, 0, 1);
    params.DisplayDX = true;
    CollectingSink sink;
    EXPECT_EQ(RunPlanning(params, FlatSky(), sink), PlanningEnd::OneStationOnly);
    EXPECT_TRUE(sink.lines.empty());
}

TEST(RunPlanning, ProgressIsToldEachDateAndCanStopTheRun) {
    CollectingSink sink;
    std::vector<int> days;
    const auto progress = [&days](int, int, int day) {
        days.push_back(day);
        return days.size() < 3;
    };
    EXPECT_EQ(RunPlanning(EveryInstantOfColdSky(360, 0, 5), FlatSky(), sink, progress),
              PlanningEnd::Stopped);
    EXPECT_EQ(days, (std::vector<int>{5, 6, 7}));
    // The two finished dates are in the report: 5 instants each under a header, and the day end.
    EXPECT_EQ(sink.lines.size(), 2u * (6 + 5 + 1));
}

}  // namespace
}  // namespace velmorant
