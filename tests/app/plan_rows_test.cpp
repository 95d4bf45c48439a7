// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant plan --format csv|json` against the paged report of the same run: the same
// instants, and every value rounding to the one the report prints.

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/app/command_fixture.h"
#include "tests/app/report_lines.h"

namespace velmorant::testing_support {
namespace {

// The report's rounding of an angle or a degradation: half up to 0.1.
double TenthsUp(double value) {
    return std::floor(value * 10 + 0.5) / 10;
}

struct RowsCase {
    const char* Name;
    std::vector<std::string> Args;
    // Printed columns (0-based start, width) and the CSV column each must round to: angles and
    // dB to 0.1 half up, the rest to a whole number.
    std::map<std::string, std::pair<int, int>> Tenths;
    std::map<std::string, std::pair<int, int>> Wholes;
};

std::vector<RowsCase> Cases() {
    const std::vector<std::string> days = {"--start", "2026-12-10", "--end", "2026-12-12"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = days;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    return {
        {"both_stations_max_degradation_paging",
         with({"--set", "txtIncrementMinutes=5", "--set", "txtMaxDegradation=6.5", "--set",
               "txtOutputLines=20"}),
         {{"home_azimuth_deg", {19, 5}},
          {"home_elevation_deg", {27, 5}},
          {"declination_deg", {35, 5}},
          {"dx_azimuth_deg", {43, 5}},
          {"dx_elevation_deg", {49, 5}},
          {"degradation_db", {69, 6}}},
         {{"polarization_offset_deg", {55, 3}}, {"sky_temperature_k", {61, 5}}}},
        {"home_only_increment_7",
         with({"--set", "txtIncrementMinutes=7", "--set", "chkDisplayDX=0"}),
         {{"home_azimuth_deg", {19, 5}},
          {"home_elevation_deg", {27, 5}},
          {"greenwich_hour_angle_deg", {36, 5}},
          {"declination_deg", {44, 5}},
          {"degradation_db", {69, 6}}},
         {{"sky_temperature_k", {61, 5}}}},
        {"dx_only_increment_10",
         with({"--set", "txtIncrementMinutes=10", "--set", "chkDisplayHome=0"}),
         {{"dx_azimuth_deg", {19, 5}}, {"dx_elevation_deg", {27, 5}}, {"degradation_db", {69, 6}}},
         {{"sky_temperature_k", {61, 5}}}},
    };
}

// Cases print as their names in the test log.
void PrintTo(const RowsCase& c, std::ostream* os) {
    *os << c.Name;
}

class PlanRowsTest : public testing::TestWithParam<RowsCase> {};

TEST_P(PlanRowsTest, RowsAreTheReportsLinesUnrounded) {
    const RowsCase& c = GetParam();
    CommandFolder folder(std::string("rows-") + c.Name);
    std::vector<std::string> reportArgs = c.Args;
    reportArgs.insert(reportArgs.end(), {"--output", "-"});
    const CommandResult report = folder.Run("plan", reportArgs);
    ASSERT_EQ(report.Exit, 0) << report.Err;
    const std::vector<PrintedLine> printed = PrintedLines(report.Out);
    ASSERT_GT(printed.size(), 10u);

    std::vector<std::string> csvArgs = c.Args;
    csvArgs.insert(csvArgs.end(), {"--format", "csv"});
    const CommandResult csv = folder.Run("plan", csvArgs);
    ASSERT_EQ(csv.Exit, 0) << csv.Err;
    EXPECT_FALSE(fs::exists(folder.Path() / "VELMORANT.TXT")) << "the report was written";
    std::vector<std::string> rows = LinesOf(csv.Out);
    ASSERT_FALSE(rows.empty());
    const std::vector<std::string> header = CsvFields(rows.front());
    rows.erase(rows.begin());
    ASSERT_EQ(rows.size(), printed.size());

    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < header.size(); ++i) {
        column[header[i]] = i;
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> fields = CsvFields(rows[r]);
        const PrintedLine& line = printed[r];
        SCOPED_TRACE(line.Date + " " + line.Text);
        ASSERT_EQ(fields.size(), header.size());
        EXPECT_EQ(fields[column.at("date")], line.Date);
        EXPECT_EQ(fields[column.at("utc")], line.Hhmm.substr(0, 2) + ":" + line.Hhmm.substr(2));
        for (const auto& [name, at] : c.Tenths) {
            EXPECT_NEAR(TenthsUp(std::stod(fields[column.at(name)])),
                        Printed(line.Text, at.first, at.second), 1e-6)
                << name;
        }
        for (const auto& [name, at] : c.Wholes) {
            EXPECT_NEAR(std::round(std::stod(fields[column.at(name)])),
                        Printed(line.Text, at.first, at.second), 1e-6)
                << name;
        }
    }

    // JSON: the same rows, the same texts of the values.
    std::vector<std::string> jsonArgs = c.Args;
    jsonArgs.insert(jsonArgs.end(),
                    {"--format", "json", "--output", (folder.Path() / "rows.json").string()});
    const CommandResult json = folder.Run("plan", jsonArgs);
    ASSERT_EQ(json.Exit, 0) << json.Err;
    std::vector<std::string> objects = LinesOf(ReadWhole(folder.Path() / "rows.json"));
    ASSERT_EQ(objects.size(), rows.size() + 2);
    EXPECT_EQ(objects.front(), "[");
    EXPECT_EQ(objects.back(), "]");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> fields = CsvFields(rows[r]);
        std::string expected = "{";
        for (std::size_t i = 0; i < header.size(); ++i) {
            const bool text = header[i] == "date" || header[i] == "utc" ||
                              header[i] == "phase_mark" || header[i] == "activity_letter";
            expected += (i > 0 ? ", \"" : "\"") + header[i] +
                        "\": " + (text ? "\"" + fields[i] + "\"" : fields[i]);
        }
        expected += r + 1 < rows.size() ? "}," : "}";
        EXPECT_EQ(objects[r + 1], expected);
    }
}

// The rows' Doppler shifts and echo figures are the real-time window's for the same instant
// (velmorant track shows them rounded), at the band's frequency.
TEST(PlanRows, DopplerColumnsAreTracksForTheSameInstant) {
    CommandFolder folder("rows-doppler");
    const CommandResult csv =
        folder.Run("plan", {"--start", "2016-03-16", "--set", "txtIncrementMinutes=60", "--set",
                            "cboBand=1296", "--format", "csv"});
    ASSERT_EQ(csv.Exit, 0) << csv.Err;
    const auto line = csv.Out.find("\n2016-03-16,17:00,");
    ASSERT_NE(line, std::string::npos) << csv.Out;
    const std::string header = csv.Out.substr(0, csv.Out.find('\n'));
    const std::string row = csv.Out.substr(line + 1, csv.Out.find('\n', line + 1) - line - 1);
    auto fields = [](std::string text) {
        if (text.ends_with('\r')) {
            text.pop_back();  // the sink ends its lines with CR LF
        }
        std::vector<std::string> split;
        for (std::size_t from = 0, comma = 0; comma != std::string::npos; from = comma + 1) {
            comma = text.find(',', from);
            split.push_back(text.substr(from, comma - from));
        }
        return split;
    };
    const CommandResult frame =
        folder.Run("track", {"--at", "2016-03-16T17:00:00Z", "--set", "cboBand=1296"});
    ASSERT_EQ(frame.Exit, 0) << frame.Err;
    const std::vector<std::string> names = fields(header);
    const std::vector<std::string> values = fields(row);
    ASSERT_EQ(names.size(), values.size());
    // Each column against the line track shows it on, rounded as track rounds it.
    struct Shown {
        const char* Column;
        const char* Line;
        int Decimals;
    };
    const Shown shownAs[] = {
        {"echo_doppler_hz", "echo_doppler: ", 0},
        {"dx_doppler_hz", "dx_doppler: ", 0},
        {"echo_spread_hz", "echo_spread: ", 1},
        {"dx_spread_hz", "dx_spread: ", 1},
        {"echo_doppler_rate_hz_per_min", "echo_doppler_rate: ", 1},
        {"echo_delay_s", "echo_delay: ", 4},
        {"sun_moon_angle_deg", "sun_moon_angle: ", 1},
    };
    int compared = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (const Shown& shown : shownAs) {
            if (names[i] != shown.Column) {
                continue;
            }
            const std::string line = shown.Line;
            const auto at = frame.Out.find("\n" + line);
            ASSERT_NE(at, std::string::npos) << frame.Out;
            const auto value = at + 1 + line.size();
            char rounded[32];
            std::snprintf(rounded, sizeof rounded, "%.*f", shown.Decimals, std::stod(values[i]));
            EXPECT_EQ(frame.Out.substr(value, std::strlen(rounded)), rounded) << names[i];
            ++compared;
        }
    }
    EXPECT_EQ(compared, 7) << header;
}

// Any object's rows seen from Home carry the Sun-Moon angle, as track shows it; rows of the DX
// station alone do not.
TEST(PlanRows, AFixedObjectsRowsFromHomeCarryTheSunMoonAngle) {
    CommandFolder folder("rows-sun-moon");
    const std::vector<std::string> sun = {"--start",  "2016-03-16",
                                          "--end",    "2016-03-16",
                                          "--set",    "cboCelestial=Sun",
                                          "--set",    "txtIncrementMinutes=60",
                                          "--format", "csv"};
    std::vector<std::string> homeArgs = sun;
    homeArgs.insert(homeArgs.end(), {"--set", "chkDisplayDX=0"});
    const CommandResult home = folder.Run("plan", homeArgs);
    ASSERT_EQ(home.Exit, 0) << home.Err;
    EXPECT_EQ(home.Out.substr(0, home.Out.find('\n')),
              "date,utc,home_azimuth_deg,home_elevation_deg,declination_deg,right_ascension_h,"
              "sun_moon_angle_deg\r");
    const auto line = home.Out.find("\n2016-03-16,17:00,");
    ASSERT_NE(line, std::string::npos) << home.Out;
    const std::string row = home.Out.substr(line + 1, home.Out.find('\r', line) - line - 1);
    char angle[16];
    std::snprintf(angle, sizeof angle, "%.1f", std::stod(row.substr(row.rfind(',') + 1)));
    const CommandResult frame =
        folder.Run("track", {"--at", "2016-03-16T17:00:00Z", "--set", "cboCelestial=Sun"});
    ASSERT_EQ(frame.Exit, 0) << frame.Err;
    EXPECT_NE(frame.Out.find(std::string("\nsun_moon_angle: ") + angle), std::string::npos)
        << angle << "\n"
        << frame.Out;

    std::vector<std::string> dxArgs = sun;
    dxArgs.insert(dxArgs.end(), {"--set", "chkDisplayHome=0"});
    const CommandResult dx = folder.Run("plan", dxArgs);
    ASSERT_EQ(dx.Exit, 0) << dx.Err;
    EXPECT_EQ(dx.Out.find("sun_moon"), std::string::npos) << dx.Out.substr(0, 200);
}

TEST(PlanRows, ARunTheReportRefusesWritesNoRows) {
    CommandFolder folder("rows-refused");
    // The Sun is placed for one station only: both stations abandon the run at its first line.
    const CommandResult result = folder.Run(
        "plan", {"--start", "2026-12-10", "--set", "cboCelestial=Sun", "--format", "csv"});
    EXPECT_EQ(result.Exit, 2);
    EXPECT_TRUE(result.Out.empty()) << result.Out;
    EXPECT_NE(result.Err.find("one location"), std::string::npos) << result.Err;
}

INSTANTIATE_TEST_SUITE_P(Runs, PlanRowsTest, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace velmorant::testing_support
