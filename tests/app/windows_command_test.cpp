// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant windows` end to end: the windows of a pair are the runs of consecutive lines of
// `velmorant plan` for that pair with the same settings; patterns, the whole list, the default
// dates, the text table and the refusals.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/app/command_fixture.h"
#include "tests/app/report_lines.h"

namespace velmorant::testing_support {
namespace {

using std::chrono::sys_days;

sys_days DayOf(const std::string& iso) {
    return sys_days{std::chrono::year{std::stoi(iso.substr(0, 4))} /
                    std::chrono::month{static_cast<unsigned>(std::stoi(iso.substr(5, 2)))} /
                    std::chrono::day{static_cast<unsigned>(std::stoi(iso.substr(8, 2)))}};
}

std::string IsoOf(sys_days day) {
    const std::chrono::year_month_day ymd{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return text;
}

// A window as the CSV writes its ends: dates and HH:MM, 2400 carried to 00:00 of the next day.
struct Ends {
    std::string StartDate, StartUtc, EndDate, EndUtc;
    bool operator==(const Ends&) const = default;
};

std::string Utc(sys_days& day, const std::string& hhmm) {
    if (hhmm == "2400") {
        day += std::chrono::days{1};
        return "00:00";
    }
    return hhmm.substr(0, 2) + ":" + hhmm.substr(2);
}

// The runs of consecutive instants of plan's lines: the grid of a date is 0000, the increment,
// ..., and 2400; a date's 2400 and the next date's 0000 follow one another.
std::vector<Ends> RunsOfLines(const std::vector<PrintedLine>& lines, int increment) {
    std::vector<int> grid;
    for (int minute = 0; minute < 1440; minute += increment) {
        grid.push_back(minute);
    }
    grid.push_back(1440);
    auto indexOf = [&](const PrintedLine& line) {
        const int minute = std::stoi(line.Hhmm.substr(0, 2)) * 60 + std::stoi(line.Hhmm.substr(2));
        std::size_t j = 0;
        while (grid[j] != minute) {
            ++j;
        }
        return DayOf(line.Date).time_since_epoch().count() * static_cast<long>(grid.size()) +
               static_cast<long>(j);
    };
    std::vector<Ends> runs;
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t end = i + 1;
        while (end < lines.size() && indexOf(lines[end]) == indexOf(lines[end - 1]) + 1) {
            ++end;
        }
        sys_days startDay = DayOf(lines[i].Date);
        sys_days endDay = DayOf(lines[end - 1].Date);
        const std::string startUtc = Utc(startDay, lines[i].Hhmm);
        const std::string endUtc = Utc(endDay, lines[end - 1].Hhmm);
        runs.push_back(Ends{IsoOf(startDay), startUtc, IsoOf(endDay), endUtc});
        i = end;
    }
    return runs;
}

struct PairCase {
    const char* Name;
    const char* Dx;
    int Increment;
    std::vector<std::string> Settings;
};

const PairCase kPairs[] = {
    {"callsign_time_window", "DK3VX", 7, {"--set", "txtGMTMIN=1800", "--set", "txtGMTMAX=0600"}},
    {"locator_step_1", "fn42ho", 1, {"--set", "txtAboveDX=5"}},
    {"south_azimuth_window_max_degradation",
     "CX5BQ",
     5,
     {"--set", "txtAZMIN=90", "--set", "txtAZMAX=270", "--set", "txtMaxDegradation=6.5", "--set",
      "txtOutputLines=25"}},
};

// Cases print as their names in the test log.
void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.Name;
}

class WindowsPairTest : public testing::TestWithParam<PairCase> {};

TEST_P(WindowsPairTest, WindowsAreTheRunsOfPlansLines) {
    const PairCase& c = GetParam();
    CommandFolder folder(std::string("windows-") + c.Name);
    std::vector<std::string> args = {
        "--start", "2026-12-10", "--end", "2026-12-13",
        "--dx",    c.Dx,         "--set", "txtIncrementMinutes=" + std::to_string(c.Increment)};
    args.insert(args.end(), c.Settings.begin(), c.Settings.end());

    std::vector<std::string> planArgs = args;
    planArgs.insert(planArgs.end(), {"--output", "-"});
    const CommandResult plan = folder.Run("plan", planArgs);
    ASSERT_EQ(plan.Exit, 0) << plan.Err;
    const std::vector<Ends> expected = RunsOfLines(PrintedLines(plan.Out), c.Increment);
    ASSERT_FALSE(expected.empty());

    std::vector<std::string> windowsArgs = args;
    windowsArgs.insert(windowsArgs.end(), {"--format", "csv"});
    const CommandResult windows = folder.Run("windows", windowsArgs);
    ASSERT_EQ(windows.Exit, 0) << windows.Err;
    std::vector<std::string> rows = LinesOf(windows.Out);
    ASSERT_FALSE(rows.empty());
    rows.erase(rows.begin());
    std::vector<Ends> found;
    for (const std::string& row : rows) {
        const std::vector<std::string> f = CsvFields(row);
        ASSERT_EQ(f.size(), 12u) << row;
        found.push_back(Ends{f[2], f[3], f[4], f[5]});
        const long minutes = (DayOf(f[4]) - DayOf(f[2])).count() * 1440 +
                             std::stoi(f[5].substr(0, 2)) * 60 + std::stoi(f[5].substr(3)) -
                             std::stoi(f[3].substr(0, 2)) * 60 - std::stoi(f[3].substr(3));
        EXPECT_EQ(std::stol(f[6]), minutes) << row;
    }
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i], expected[i]) << "window " << i << ": " << rows[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, WindowsPairTest, testing::ValuesIn(kPairs),
                         [](const auto& info) { return std::string(info.param.Name); });

// With --max-spread, the windows are the runs of plan's rows whose DX-path spread is within the
// limit, each with the lowest spread of its rows (the pass takes one frame a date, the rows one an
// instant: they part by millihertz).
TEST(WindowsCommand, MaxSpreadKeepsTheRunsOfPlansRowsWithinTheSpread) {
    CommandFolder folder("windows-spread");
    const std::vector<std::string> args = {
        "--start", "2026-12-10", "--end",         "2026-12-12", "--dx",
        "FN42ho",  "--set",      "cboBand=10368", "--set",      "txtIncrementMinutes=5"};
    std::vector<std::string> planArgs = args;
    planArgs.insert(planArgs.end(), {"--format", "csv", "--output", "-"});
    const CommandResult plan = folder.Run("plan", planArgs);
    ASSERT_EQ(plan.Exit, 0) << plan.Err;
    std::vector<std::string> planRows = LinesOf(plan.Out);
    const std::vector<std::string> columns = CsvFields(planRows.front());
    const auto spreadColumn = static_cast<std::size_t>(
        std::find(columns.begin(), columns.end(), "dx_spread_hz") - columns.begin());
    ASSERT_LT(spreadColumn, columns.size());
    planRows.erase(planRows.begin());
    std::vector<double> all;
    for (const std::string& row : planRows) {
        all.push_back(std::stod(CsvFields(row)[spreadColumn]));
    }
    ASSERT_GT(all.size(), 40u);
    // The limit: the median spread, on a round twentieth of a hertz clear of every row's.
    std::vector<double> sorted = all;
    std::sort(sorted.begin(), sorted.end());
    double limit = std::round(sorted[sorted.size() / 2] * 10) / 10 + 0.05;
    while (std::any_of(all.begin(), all.end(),
                       [&](double spread) { return std::abs(spread - limit) < 0.01; })) {
        limit += 0.1;
    }
    char limitText[32];
    std::snprintf(limitText, sizeof limitText, "%.2f", limit);
    std::vector<PrintedLine> kept;
    std::vector<double> spreads;
    for (std::size_t i = 0; i < planRows.size(); ++i) {
        if (all[i] <= limit) {
            const std::vector<std::string> f = CsvFields(planRows[i]);
            kept.push_back({f[0], f[1].substr(0, 2) + f[1].substr(3), planRows[i]});
            spreads.push_back(all[i]);
        }
    }
    const std::vector<Ends> expected = RunsOfLines(kept, 5);

    std::vector<std::string> windowsArgs = args;
    windowsArgs.insert(windowsArgs.end(), {"--format", "csv", "--max-spread", limitText});
    const CommandResult windows = folder.Run("windows", windowsArgs);
    ASSERT_EQ(windows.Exit, 0) << windows.Err;
    std::vector<std::string> rows = LinesOf(windows.Out);
    ASSERT_EQ(CsvFields(rows.front()).back(), "dx_spread_min_hz");
    rows.erase(rows.begin());
    ASSERT_EQ(rows.size(), expected.size()) << windows.Out;
    std::size_t row = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> f = CsvFields(rows[i]);
        ASSERT_EQ(f.size(), 13u) << rows[i];
        EXPECT_EQ((Ends{f[2], f[3], f[4], f[5]}), expected[i]) << rows[i];
        // The rows of this window: as many as its length in steps, plus one.
        const std::size_t count = static_cast<std::size_t>(std::stoi(f[6]) / 5 + 1);
        const double lowest = *std::min_element(spreads.begin() + static_cast<long>(row),
                                                spreads.begin() + static_cast<long>(row + count));
        EXPECT_NEAR(std::stod(f[12]), lowest, 0.01) << rows[i];
        row += count;
    }

    // The text table ends each line with the lowest spread, to 0.1 Hz.
    std::vector<std::string> textArgs = args;
    textArgs.insert(textArgs.end(), {"--max-spread", limitText});
    const CommandResult text = folder.Run("windows", textArgs);
    ASSERT_EQ(text.Exit, 0) << text.Err;
    const std::vector<std::string> lines = LinesOf(text.Out);
    ASSERT_EQ(lines.size(), rows.size() + 3);
    EXPECT_NE(lines[0].find("MIN SPREAD"), std::string::npos) << lines[0];
    char last[16];
    std::snprintf(last, sizeof last, "%.1f", std::stod(CsvFields(rows.back())[12]));
    EXPECT_TRUE(lines.back().ends_with(std::string("  ") + last)) << lines.back();
}

TEST(WindowsCommand, APatternTakesTheStationsItMatchesAndNoneOtherInStartOrder) {
    CommandFolder folder("windows-pattern");
    const std::vector<std::string> days = {"--start", "2026-12-10", "--days",
                                           "2",       "--format",   "csv"};
    std::vector<std::string> patternArgs = days;
    patternArgs.insert(patternArgs.end(), {"--dx", "D*", "--dx", "CX5BQ"});
    const CommandResult pattern = folder.Run("windows", patternArgs);
    ASSERT_EQ(pattern.Exit, 0) << pattern.Err;
    const CommandResult all = folder.Run("windows", days);
    ASSERT_EQ(all.Exit, 0) << all.Err;

    std::set<std::string> matched;
    std::string previous;
    std::vector<std::string> rows = LinesOf(pattern.Out);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> f = CsvFields(rows[i]);
        EXPECT_TRUE(f[0][0] == 'D' || f[0] == "CX5BQ") << rows[i];
        matched.insert(f[0]);
        const std::string key = f[2] + f[3] + f[0];
        EXPECT_LE(previous, key) << "sorted by start, then callsign";
        previous = key;
    }
    EXPECT_TRUE(matched.count("DK3VX") && matched.count("DL7YQC") && matched.count("CX5BQ"));
    std::set<std::string> everyone;
    for (const std::string& row : LinesOf(all.Out)) {
        everyone.insert(CsvFields(row)[0]);
    }
    EXPECT_GT(everyone.size(), matched.size() + 10);

    // JSON: one object per window, the same callsigns in the same order.
    std::vector<std::string> jsonArgs = patternArgs;
    jsonArgs.insert(jsonArgs.end(), {"--format", "json"});
    const CommandResult json = folder.Run("windows", jsonArgs);
    ASSERT_EQ(json.Exit, 0) << json.Err;
    const std::vector<std::string> objects = LinesOf(json.Out);
    ASSERT_EQ(objects.size(), rows.size() + 1);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(objects[i].rfind("{\"dx_callsign\": \"" + CsvFields(rows[i])[0] + "\"", 0), 0u)
            << objects[i];
    }

    // The text table: a three-line head and one line per window.
    std::vector<std::string> textArgs = {"--start", "2026-12-10", "--days", "2",
                                         "--dx",    "D*",         "--dx",   "CX5BQ"};
    const CommandResult text = folder.Run("windows", textArgs);
    ASSERT_EQ(text.Exit, 0) << text.Err;
    EXPECT_EQ(LinesOf(text.Out).size(), rows.size() - 1 + 3);
}

TEST(WindowsCommand, AnEightBitCallsignIsWrittenAsUtf8InEveryFormat) {
    CommandFolder folder("windows-latin1");
    // A station typed into CALL3.TXT by an 8-bit editor: "DLÄAB" in Latin-1, before the end mark.
    std::string list = ReadWhole(folder.Path() / "CALL3.TXT");
    const std::size_t end = list.rfind("\r\nZZZZZZ");
    ASSERT_NE(end, std::string::npos);
    list.insert(end + 2,
                "DL\xC4"
                "AB,JO40le,\xE4\r\n");
    std::ofstream(folder.Path() / "CALL3.TXT", std::ios::binary) << list;

    for (const char* format : {"csv", "json", "text"}) {
        const CommandResult result = folder.Run(
            "windows", {"--start", "2027-01-05", "--days", "2", "--dx", "DL*", "--format", format});
        ASSERT_EQ(result.Exit, 0) << result.Err;
        EXPECT_NE(result.Out.find("DL\xC3\x84"
                                  "AB"),
                  std::string::npos)
            << format;
        EXPECT_EQ(result.Out.find("DL\xC4"), std::string::npos) << format;
    }
}

TEST(WindowsCommand, WithoutDatesTodayAndTheNextSixDaysAreCovered) {
    CommandFolder folder("windows-today");
    const CommandResult result = folder.Run("windows", {"--dx", "DK3VX", "--format", "csv"});
    ASSERT_EQ(result.Exit, 0) << result.Err;
    const sys_days today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    std::vector<std::string> rows = LinesOf(result.Out);
    ASSERT_GT(rows.size(), 5u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const sys_days start = DayOf(CsvFields(rows[i])[2]);
        EXPECT_GE(start, today - std::chrono::days{1}) << rows[i];
        EXPECT_LE(start, today + std::chrono::days{7}) << rows[i];
    }
}

// A year at one-minute steps under an address-space limit that a short range fits in: the
// command ends with a message and status 2, not an abort, and the file it was to replace stays
// as it was.
TEST(WindowsCommand, RunningOutOfMemoryEndsWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves far more address space than the limit";
#endif
    const CommandFolder folder("windows-out-of-memory");
    const std::string limit = "ulimit -v 150000 && ";  // KB
    const auto output = folder.Path() / "windows.csv";
    const std::vector<std::string> shortRange = {"--start", "2016-01-01", "--days",
                                                 "2",       "--output",   output.string()};
    if (folder.Run("windows", shortRange, true, limit).Exit != 0) {
        GTEST_SKIP() << "this system's libraries take more address space than the limit";
    }
    std::ofstream(output, std::ios::binary) << "kept\n";
    const CommandResult year =
        folder.Run("windows",
                   {"--start", "2016-01-01", "--days", "366", "--set", "txtIncrementMinutes=1",
                    "--format", "csv", "--output", output.string()},
                   true, limit);
    EXPECT_EQ(year.Exit, 2) << year.Err;
    EXPECT_EQ(year.Err.rfind("velmorant windows: ", 0), 0u) << year.Err;
    EXPECT_EQ(ReadWhole(output), "kept\n");
}

TEST(WindowsCommand, RefusesWhatItCannotComputeWithAMessage) {
    CommandFolder folder("windows-refused");
    const struct {
        std::vector<std::string> Args;
        const char* Message;
    } refusals[] = {
        {{"--dx", "NO1SUCH"}, "No callsign found."},
        {{"--home", "NO1SUCH"}, "No callsign found."},
        {{"--start", "2026-12-10", "--end", "2026-12-01"}, "before the start date"},
        {{"--days", "0"}, "--days takes a whole number"},
        {{"--days", "3", "--end", "2026-12-20"}, "exclude each other"},
        {{"--set", "cboCelestial=Sun"}, "for the Moon"},
        {{"--set", "txtIncrementMinutes=0"}, "Input Required"},
        {{"--format", "xml"}, "--format takes text, csv or json"},
        {{"--start", "2026-02-30"}, "is not a date"},
        {{"--max-spread", "-1"}, "--max-spread takes hertz"},
        {{"--max-spread", "10Hz"}, "--max-spread takes hertz"},
    };
    for (const auto& refusal : refusals) {
        const CommandResult result = folder.Run("windows", refusal.Args);
        EXPECT_EQ(result.Exit, 2) << refusal.Args.front();
        EXPECT_NE(result.Err.find(refusal.Message), std::string::npos)
            << refusal.Args.front() << ": " << result.Err;
        EXPECT_TRUE(result.Out.empty()) << result.Out;
    }
}

}  // namespace
}  // namespace velmorant::testing_support
