// SPDX-License-Identifier: GPL-3.0-or-later
// `plan --home/--dx` by callsign and by locator give the report that the same station typed
// into its row with --set gives: callsign, notes, locator and the six coordinate boxes with their
// hemisphere letters (the coordinates as `velmorant locator` computes them).

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/app/command_fixture.h"

namespace velmorant::testing_support {
namespace {

struct StationCase {
    const char* Name;
    const char* Option;  // --home or --dx
    const char* Value;
    const char* Callsign;  // what the row then shows
    const char* Notes;
    const char* Locator;  // the locator the coordinates come from
};

const StationCase kCases[] = {
    {"dx_by_callsign", "--dx", "DK3VX", "DK3VX", "EME 2M 4x17el 1kW, 70cm 8x23el", "JO40hg"},
    {"home_by_callsign", "--home", "cx5bq", "CX5BQ", "EME 2M 4x12el 800W", "GF15xd"},
    {"dx_by_locator", "--dx", "fn42ho", "", "", "fn42ho"},
    {"home_by_square", "--home", "QF56", "", "", "QF56"},
};

// Cases print as their names in the test log.
void PrintTo(const StationCase& c, std::ostream* os) {
    *os << c.Name;
}

class PlanStationsTest : public testing::TestWithParam<StationCase> {};

TEST_P(PlanStationsTest, SameReportAsTheRowTypedIn) {
    const StationCase& c = GetParam();
    CommandFolder folder(std::string("stations-") + c.Name);
    const std::vector<std::string> run = {"--start",    "2026-12-10", "--end",
                                          "2026-12-11", "--set",      "txtIncrementMinutes=20",
                                          "--output",   "-"};

    std::vector<std::string> byOption = run;
    byOption.insert(byOption.end(), {c.Option, c.Value});
    const CommandResult chosen = folder.Run("plan", byOption);
    ASSERT_EQ(chosen.Exit, 0) << chosen.Err;

    const CommandResult located = folder.Run("locator", std::vector<std::string>{c.Locator}, false);
    const std::string row = std::string(c.Option) == "--home" ? "Home" : "DX";
    std::vector<std::string> fields;
    for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 1) {
        to = located.Out.find_first_of(" \n", from);
        if (to != from && from < located.Out.size()) {
            fields.push_back(located.Out.substr(from, to - from));
        }
    }
    ASSERT_EQ(fields.size(), 9u) << located.Out << located.Err;
    std::vector<std::string> typed = run;
    const char* boxes[] = {"txtLocator", "txtLatDeg", "txtLatMin", "txtLatSec", "cboLatDir",
                           "txtLonDeg",  "txtLonMin", "txtLonSec", "cboLonDir"};
    typed.insert(typed.end(), {"--set", "txtCallsign" + row + "=" + c.Callsign, "--set",
                               "txtNotes" + row + "=" + c.Notes});
    for (std::size_t i = 0; i < 9; ++i) {
        typed.insert(typed.end(), {"--set", boxes[i] + row + "=" + fields[i]});
    }
    const CommandResult reference = folder.Run("plan", typed);
    ASSERT_EQ(reference.Exit, 0) << reference.Err;
    EXPECT_EQ(chosen.Out, reference.Out);
    EXPECT_NE(chosen.Out.find(fields[0]), std::string::npos) << "the report names the locator";
}

INSTANTIATE_TEST_SUITE_P(Stations, PlanStationsTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(PlanStations, AStationNotFoundExactlyRefusesTheRunWithTheSearchsMessage) {
    CommandFolder folder("stations-refused");
    const struct {
        const char* Value;
        const char* Message;
    } refusals[] = {
        {"NO1SUCH", "No callsign found."},
        {"DK3V", "No callsign found."},
        {"DK*", "names no single station"},
    };
    for (const auto& refusal : refusals) {
        const CommandResult result =
            folder.Run("plan", {"--start", "2026-12-10", "--output", "-", "--dx", refusal.Value});
        EXPECT_EQ(result.Exit, 2) << refusal.Value;
        EXPECT_NE(result.Err.find(refusal.Message), std::string::npos) << result.Err;
        EXPECT_TRUE(result.Out.empty()) << refusal.Value;
    }
}

}  // namespace
}  // namespace velmorant::testing_support
