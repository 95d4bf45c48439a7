// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant calendar` end to end: each date's lowest degradation is the lowest of `plan`'s rows
// for that date, its window hours the sum of the `windows` lengths that start on it, Home's
// hours the runs of a Home-only report without filters; the phase marks, the refusals and an
// output left whole.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "tests/app/command_fixture.h"
#include "tests/app/report_lines.h"

namespace velmorant::testing_support {
namespace {

// The CSV's rows as maps from column name to field (the rows compared hold no quotes).
std::vector<std::map<std::string, std::string>> CsvRecords(const std::string& text) {
    const std::vector<std::string> lines = LinesOf(text);
    std::vector<std::map<std::string, std::string>> records;
    if (lines.empty()) {
        return records;
    }
    const std::vector<std::string> names = CsvFields(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = CsvFields(lines[i]);
        std::map<std::string, std::string> record;
        for (std::size_t j = 0; j < names.size() && j < fields.size(); ++j) {
            record[names[j]] = fields[j];
        }
        records.push_back(record);
    }
    return records;
}

struct CalendarCase {
    const char* Name;
    const char* Dx;
    int Increment;
    std::vector<std::string> Settings;
};

const CalendarCase kCases[] = {
    {"callsign_time_window", "DK3VX", 7, {"--set", "txtGMTMIN=1800", "--set", "txtGMTMAX=0600"}},
    {"locator_step_5", "fn42ho", 5, {"--set", "txtAboveDX=5"}},
    {"south_azimuth_window_max_degradation",
     "CX5BQ",
     5,
     {"--set", "txtAZMIN=90", "--set", "txtAZMAX=270", "--set", "txtMaxDegradation=6.5", "--set",
      "txtOutputLines=25"}},
};

void PrintTo(const CalendarCase& c, std::ostream* os) {
    *os << c.Name;
}

class CalendarPairTest : public testing::TestWithParam<CalendarCase> {};

TEST_P(CalendarPairTest, DegradationAndWindowHoursArePlansAndWindowsOwn) {
    const CalendarCase& c = GetParam();
    CommandFolder folder(std::string("calendar-") + c.Name);
    std::vector<std::string> settings = {"--dx", c.Dx, "--set",
                                         "txtIncrementMinutes=" + std::to_string(c.Increment)};
    settings.insert(settings.end(), c.Settings.begin(), c.Settings.end());
    auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), settings.begin(), settings.end());
        return args;
    };

    const CommandResult calendar =
        folder.Run("calendar", with({"--start", "2026-12-10", "--days", "4", "--format", "csv"}));
    ASSERT_EQ(calendar.Exit, 0) << calendar.Err;
    const auto days = CsvRecords(calendar.Out);
    ASSERT_EQ(days.size(), 4u) << calendar.Out;

    const CommandResult plan = folder.Run(
        "plan", with({"--start", "2026-12-10", "--end", "2026-12-13", "--format", "csv"}));
    ASSERT_EQ(plan.Exit, 0) << plan.Err;
    std::map<std::string, double> lowest;
    std::map<std::string, std::string> lowestText;
    for (const auto& row : CsvRecords(plan.Out)) {
        const double db = std::strtod(row.at("degradation_db").c_str(), nullptr);
        const std::string& date = row.at("date");
        if (!lowest.count(date) || db < lowest[date]) {
            lowest[date] = db;
            lowestText[date] = row.at("degradation_db");
        }
    }

    const CommandResult windows =
        folder.Run("windows", with({"--start", "2026-12-10", "--days", "4", "--format", "csv"}));
    ASSERT_EQ(windows.Exit, 0) << windows.Err;
    std::map<std::string, double> windowMinutes;
    for (const auto& row : CsvRecords(windows.Out)) {
        windowMinutes[row.at("start_date")] += std::stod(row.at("length_min"));
    }

    bool anyWindow = false;
    for (const auto& day : days) {
        const std::string& date = day.at("date");
        EXPECT_EQ(day.at("degradation_min_db"), lowestText[date]) << date;
        EXPECT_DOUBLE_EQ(std::stod(day.at("window_hours")), windowMinutes[date] / 60.0) << date;
        anyWindow = anyWindow || windowMinutes[date] > 0;
    }
    EXPECT_TRUE(anyWindow);
}

INSTANTIATE_TEST_SUITE_P(Pairs, CalendarPairTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Home alone, no time or azimuth window, no maximum degradation: the report prints exactly the
// instants within Home's elevation limits, and their runs within each date are Home's hours.
TEST(CalendarCommand, HomeHoursAreTheRunsOfAHomeOnlyReport) {
    CommandFolder folder("calendar-home");
    const std::vector<std::string> settings = {
        "--set", "chkDisplayDX=0",      "--set", "txtIncrementMinutes=10",
        "--set", "txtGMTMIN=0000",      "--set", "txtGMTMAX=2400",
        "--set", "txtAZMIN=0",          "--set", "txtAZMAX=360",
        "--set", "txtMaxDegradation=0", "--set", "txtAboveHome=10"};
    std::vector<std::string> calendarArgs = {"--start", "2026-12-10", "--days",
                                             "3",       "--format",   "csv"};
    calendarArgs.insert(calendarArgs.end(), settings.begin(), settings.end());
    const CommandResult calendar = folder.Run("calendar", calendarArgs);
    ASSERT_EQ(calendar.Exit, 0) << calendar.Err;
    const auto days = CsvRecords(calendar.Out);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days.front().count("window_hours"), 0u) << "no DX, no window column";

    std::vector<std::string> planArgs = {"--start",    "2026-12-10", "--end",
                                         "2026-12-12", "--output",   "-"};
    planArgs.insert(planArgs.end(), settings.begin(), settings.end());
    const CommandResult plan = folder.Run("plan", planArgs);
    ASSERT_EQ(plan.Exit, 0) << plan.Err;
    std::map<std::string, int> minutes;
    std::string previousDate;
    int previousMinute = -100;
    for (const PrintedLine& line : PrintedLines(plan.Out)) {
        const int minute = std::stoi(line.Hhmm.substr(0, 2)) * 60 + std::stoi(line.Hhmm.substr(2));
        if (line.Date == previousDate && minute == previousMinute + 10) {
            minutes[line.Date] += 10;
        }
        previousDate = line.Date;
        previousMinute = minute;
    }
    for (const auto& day : days) {
        EXPECT_DOUBLE_EQ(std::stod(day.at("home_hours")), minutes[day.at("date")] / 60.0)
            << day.at("date");
        EXPECT_GT(std::stod(day.at("home_hours")), 2.0) << day.at("date");
    }
}

// December 2026: new moon on the 9th, full moon on the 24th. The marks come on those dates or
// a neighbour and nowhere else; the JSON carries the same dates and grades as the CSV.
TEST(CalendarCommand, PhaseMarksFallOnNewAndFullMoon) {
    CommandFolder folder("calendar-marks");
    const CommandResult csv =
        folder.Run("calendar", {"--start", "2026-12-01", "--days", "31", "--format", "csv"});
    ASSERT_EQ(csv.Exit, 0) << csv.Err;
    const auto days = CsvRecords(csv.Out);
    ASSERT_EQ(days.size(), 31u);
    int newMoon = 0;
    int fullMoon = 0;
    for (const auto& day : days) {
        const int date = std::stoi(day.at("date").substr(8));
        if (day.at("phase_mark") == "NM") {
            EXPECT_LE(std::abs(date - 9), 1) << day.at("date");
            ++newMoon;
        } else if (day.at("phase_mark") == "FM") {
            EXPECT_LE(std::abs(date - 24), 1) << day.at("date");
            ++fullMoon;
        } else {
            EXPECT_EQ(day.at("phase_mark"), "") << day.at("date");
        }
        EXPECT_GT(std::stod(day.at("distance_km")), 356000);
        EXPECT_LT(std::stod(day.at("distance_km")), 407000);
        EXPECT_LT(std::abs(std::stod(day.at("declination_deg"))), 29.0);
    }
    EXPECT_GE(newMoon, 1);
    EXPECT_GE(fullMoon, 1);

    const CommandResult json =
        folder.Run("calendar", {"--start", "2026-12-01", "--days", "31", "--format", "json"});
    ASSERT_EQ(json.Exit, 0) << json.Err;
    const std::vector<std::string> objects = LinesOf(json.Out);
    ASSERT_EQ(objects.size(), days.size() + 2);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const std::string& line = objects[i + 1];
        EXPECT_EQ(line.rfind("{\"date\": \"" + days[i].at("date") + "\"", 0), 0u) << line;
        EXPECT_NE(line.find("\"grade\": \"" + days[i].at("grade") + "\""), std::string::npos)
            << line;
        EXPECT_NE(line.find("\"degradation_min_db\": "), std::string::npos) << line;
    }
}

// The Sun-Moon angle of a date is track's at its 00:00 UTC: small at new Moon, near 180 at full.
TEST(CalendarCommand, TheSunMoonAngleIsTracksAtMidnight) {
    CommandFolder folder("calendar-sun");
    const CommandResult csv =
        folder.Run("calendar", {"--start", "2026-12-09", "--days", "16", "--format", "csv"});
    ASSERT_EQ(csv.Exit, 0) << csv.Err;
    const auto days = CsvRecords(csv.Out);
    ASSERT_EQ(days.size(), 16u);
    for (const auto& [day, low, high] : {std::tuple{0, 0.0, 15.0}, std::tuple{15, 165.0, 180.0}}) {
        const std::string date = days[day].at("date");
        const double angle = std::stod(days[day].at("sun_moon_angle_deg"));
        EXPECT_GT(angle, low) << date;
        EXPECT_LT(angle, high) << date;
        const CommandResult track =
            folder.Run("track", {"--at", date + "T00:00:00Z", "--format", "json"});
        ASSERT_EQ(track.Exit, 0) << track.Err;
        const std::string key = "\"sun_moon_angle_deg\": ";
        const auto at = track.Out.find(key);
        ASSERT_NE(at, std::string::npos) << track.Out;
        EXPECT_DOUBLE_EQ(std::stod(track.Out.substr(at + key.size())), angle) << date;
    }
}

// December 2026 begins on a Tuesday and spans five weeks: 7 cells of 160 pixels and 5 rows of
// 100 below a 60-pixel head, within 10-pixel margins. Each date's cell is filled with its grade's
// colour, as the CSV gives the grade.
TEST(CalendarCommand, APictureDrawsTheMonthAsWeeksColouredByGrade) {
    CommandFolder folder("calendar-picture");
    const std::vector<std::string> month = {"--start", "2026-12-01", "--days", "31"};
    std::vector<std::string> csvArgs = month;
    csvArgs.insert(csvArgs.end(), {"--format", "csv"});
    const CommandResult csv = folder.Run("calendar", csvArgs);
    ASSERT_EQ(csv.Exit, 0) << csv.Err;
    const auto days = CsvRecords(csv.Out);
    ASSERT_EQ(days.size(), 31u);

    const std::string png = (folder.Path() / "december.png").string();
    std::vector<std::string> pngArgs = month;
    pngArgs.insert(pngArgs.end(), {"--output", png});
    const CommandResult drawn = folder.Run("calendar", pngArgs);
    ASSERT_EQ(drawn.Exit, 0) << drawn.Err;
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 2 * 10 + 7 * 160);
    EXPECT_EQ(image.height(), 2 * 10 + 60 + 5 * 100);

    const std::map<std::string, QColor> colours = {
        {"excellent", QColor(26, 152, 80)}, {"good", QColor(145, 207, 96)},
        {"fair", QColor(254, 224, 139)},    {"poor", QColor(252, 141, 89)},
        {"very poor", QColor(215, 48, 39)}, {"", QColor(200, 200, 200)}};
    for (const int date : {1, 9, 24, 31}) {
        const int slot = 1 + date - 1;  // Tuesday is the second column
        // The cell's bottom right corner, clear of its text.
        const int x = 10 + slot % 7 * 160 + 150;
        const int y = 10 + 60 + slot / 7 * 100 + 92;
        const std::string& grade = days[static_cast<std::size_t>(date - 1)].at("grade");
        EXPECT_EQ(image.pixelColor(x, y), colours.at(grade))
            << "December " << date << ", " << grade;
    }
    // Monday the 30th of November lies outside the dates: no grade's colour.
    EXPECT_EQ(image.pixelColor(10 + 150, 70 + 92), QColor(245, 245, 245));

    // SVG by the name's ending; a picture of more than a year is refused.
    const std::string svg = (folder.Path() / "december.svg").string();
    std::vector<std::string> svgArgs = month;
    svgArgs.insert(svgArgs.end(), {"--output", svg});
    ASSERT_EQ(folder.Run("calendar", svgArgs).Exit, 0);
    EXPECT_NE(ReadWhole(svg).find("<svg"), std::string::npos);
    const CommandResult tooLong =
        folder.Run("calendar", {"--start", "2026-12-01", "--days", "367", "--output", png});
    EXPECT_EQ(tooLong.Exit, 2);
    EXPECT_NE(tooLong.Err.find("a picture shows at most 366 days"), std::string::npos)
        << tooLong.Err;
}

TEST(CalendarCommand, RefusesBadInputNamingTheOptionAndKeepsTheEarlierOutput) {
    CommandFolder folder("calendar-refused");
    const std::filesystem::path earlier = folder.Path() / "calendar.csv";
    std::ofstream(earlier) << "kept\n";
    std::ofstream(folder.Path() / "plain") << "a file, not a folder\n";
    const std::string blocked = (folder.Path() / "plain" / "calendar.csv").string();
    const struct {
        std::vector<std::string> Args;
        std::string Message;
    } refusals[] = {
        {{"--days", "3"}, "--start is required"},
        {{"--start", "2026-02-30"}, "--start: the date 2026-02-30 is not a date"},
        {{"--start", "10.12.2026"}, "--start: the date 10.12.2026 is not a date"},
        {{"--start", "2026-12-10", "--days", "0"}, "--days takes a whole number from 1 to 3660"},
        {{"--start", "2026-12-10", "--days", "3661"}, "--days takes a whole number from 1 to 3660"},
        {{"--start", "2100-12-01", "--days", "40"}, "beyond the year 2100"},
        {{"--start", "2026-12-10", "--format", "xml"}, "--format takes text, csv or json"},
        {{"--start", "2026-12-10", "--output", blocked}, "--output: " + blocked},
        {{"--start", "2026-12-10", "--output", blocked + ".png"},
         "--output: the picture " + blocked},
        {{"--start", "2026-12-10", "--dx", "NO1SUCH", "--output", earlier.string()},
         "No callsign found."},
        {{"--start", "2026-12-10", "--set", "txtIncrementMinutes=0", "--output", earlier.string()},
         "Input Required"},
    };
    for (const auto& refusal : refusals) {
        const CommandResult result = folder.Run("calendar", refusal.Args);
        EXPECT_EQ(result.Exit, 2) << refusal.Message;
        EXPECT_NE(result.Err.find(refusal.Message), std::string::npos)
            << refusal.Message << ": " << result.Err;
        EXPECT_TRUE(result.Out.empty()) << result.Out;
    }
    EXPECT_EQ(ReadWhole(earlier), "kept\n");

    const CommandResult written = folder.Run(
        "calendar", {"--start", "2026-12-10", "--days", "2", "--output", earlier.string()});
    ASSERT_EQ(written.Exit, 0) << written.Err;
    EXPECT_EQ(LinesOf(ReadWhole(earlier)).size(), 3u + 2u);
}

}  // namespace
}  // namespace velmorant::testing_support
