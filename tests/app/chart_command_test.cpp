// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant chart` end to end: the picture of a known week has its size, and its shaded windows
// lie where `velmorant windows` puts the windows of the same pair; SVG; the refusals.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "core/common/calendar.h"
#include "tests/app/command_fixture.h"
#include "tests/app/report_lines.h"
#include "ui/model/windows_window/chart_layout.h"

namespace velmorant::testing_support {
namespace {

const std::vector<std::string> kWeek = {
    "--start", "2026-12-14", "--end",  "2026-12-20", "--home",
    "JN58td",  "--dx",       "FN31pq", "--set",      "txtIncrementMinutes=10"};

double DaysOf(const std::string& date, const std::string& utc) {
    const double day = static_cast<double>(DaysSince1970(
        std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)), std::stoi(date.substr(8, 2))));
    return day + (std::stoi(utc.substr(0, 2)) * 60 + std::stoi(utc.substr(3, 2))) / 1440.0;
}

struct Span {
    int Left = 0;
    int Right = 0;
};

// The columns of the plot where the window shade shows in any of a few rows (a curve crosses
// one row at a time), as runs.
std::vector<Span> ShadedRuns(const QImage& image, const ChartLayout& layout) {
    std::vector<Span> runs;
    bool open = false;
    for (int x = static_cast<int>(layout.PlotLeft) + 1; x < static_cast<int>(layout.PlotRight);
         ++x) {
        bool shaded = false;
        for (const double degrees : {88.0, 66.0, 44.0, -14.0}) {
            const int y = static_cast<int>(std::lround(layout.ElevationY(degrees)));
            shaded = shaded || (image.pixel(x, y) & 0xffffff) == kWindowShadeRgb;
        }
        if (shaded && !open) {
            runs.push_back(Span{x, x});
        }
        if (shaded) {
            runs.back().Right = x;
        }
        open = shaded;
    }
    return runs;
}

TEST(ChartCommand, TheShadedWindowsOfAWeekLieWhereTheWindowsCommandPutsThem) {
    const CommandFolder folder("chart-week");
    const std::string picture = (folder.Path() / "week.png").string();
    std::vector<std::string> chartArgs = kWeek;
    chartArgs.insert(chartArgs.end(), {"--output", picture});
    const CommandResult chart = folder.Run("chart", chartArgs);
    ASSERT_EQ(chart.Exit, 0) << chart.Err;
    std::vector<std::string> windowsArgs = kWeek;
    windowsArgs.insert(windowsArgs.end(), {"--format", "csv"});
    const CommandResult windows = folder.Run("windows", windowsArgs);
    ASSERT_EQ(windows.Exit, 0) << windows.Err;

    const QImage image(QString::fromStdString(picture));
    ASSERT_EQ(image.width(), 1280);
    ASSERT_EQ(image.height(), 560);
    const ChartLayout layout =
        LayoutChart(DaysOf("2026-12-14", "00:00"), DaysOf("2026-12-21", "00:00"), 0, 1, 1280, 560);
    const std::vector<Span> runs = ShadedRuns(image, layout);
    std::vector<std::string> rows = LinesOf(windows.Out);
    rows.erase(rows.begin());  // the header
    ASSERT_EQ(runs.size(), rows.size()) << windows.Out;
    ASSERT_GE(rows.size(), 5u);
    int worst = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> f = CsvFields(rows[i]);
        // The plot's frame covers its first and last columns.
        const int first = static_cast<int>(layout.PlotLeft) + 1;
        const int last = static_cast<int>(layout.PlotRight) - 1;
        const int left =
            std::max(first, static_cast<int>(std::lround(layout.X(DaysOf(f[2], f[3])))));
        const int right =
            std::min(last, static_cast<int>(std::lround(layout.X(DaysOf(f[4], f[5])))));
        worst = std::max({worst, std::abs(runs[i].Left - left), std::abs(runs[i].Right - right)});
        EXPECT_NEAR(runs[i].Left, left, 1) << rows[i];
        EXPECT_NEAR(runs[i].Right, right, 1) << rows[i];
    }
    std::cout << rows.size() << " windows, worst edge " << worst << " px\n";
}

TEST(ChartCommand, AnSvgNameWritesAnSvgPicture) {
    const CommandFolder folder("chart-svg");
    std::vector<std::string> args = kWeek;
    args.insert(args.end(), {"--output", (folder.Path() / "week.svg").string()});
    const CommandResult result = folder.Run("chart", args);
    ASSERT_EQ(result.Exit, 0) << result.Err;
    const std::string svg = ReadWhole(folder.Path() / "week.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Moon elevation at JN58td and FN31pq"), std::string::npos);
}

TEST(ChartCommand, AFullDiskKeepsTheEarlierPictureAndSaysWhy) {
    // A file-size limit of 8 blocks makes the picture's writes fail with EFBIG, as a full disk
    // fails them with ENOSPC; the signal the limit raises is ignored so that the write fails.
    const CommandFolder folder("chart-full-disk");
    const std::string earlier = "an earlier picture\n";
    for (const char* name : {"week.svg", "week.png"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path picture = folder.Path() / name;
        std::ofstream(picture, std::ios::binary) << earlier;
        std::string chart = Quoted(VELMORANT_EXECUTABLE) + " chart --dir " +
                            Quoted(folder.Path().string()) + " --output " +
                            Quoted(picture.string());
        for (const std::string& arg : kWeek) {
            chart += " " + Quoted(arg);
        }
        const std::filesystem::path stderrFile = folder.Path() / "stderr";
        const std::string line = "sh -c " + Quoted("trap '' XFSZ; ulimit -f 8; exec " + chart) +
                                 " 2>" + Quoted(stderrFile.string());
        const int status = std::system(line.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << line;
        const std::string said = ReadWhole(stderrFile);  // after any notice of Qt's
        EXPECT_TRUE(said.ends_with("velmorant chart: the picture " + picture.string() +
                                   " cannot be written: File too large\n"))
            << said;
        EXPECT_EQ(ReadWhole(picture), earlier);
    }
    std::size_t names = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++names;
    }
    EXPECT_EQ(names, 6u);  // the three data files, the two pictures and stderr: nothing beside
}

struct Refusal {
    const char* Name;
    std::vector<std::string> Args;
    std::string Says;
};

TEST(ChartCommand, RefusesWhatItCannotDraw) {
    const CommandFolder folder("chart-refusals");
    const std::string gif = (folder.Path() / "week.gif").string();
    const std::string png = (folder.Path() / "week.png").string();
    const std::vector<Refusal> cases = {
        {"no output", {"--start", "2026-12-14"}, "--output FILE.png or FILE.svg is required"},
        {"another kind of picture", {"--start", "2026-12-14", "--output", gif}, "not " + gif},
        {"a format option", {"--start", "2026-12-14", "--format", "csv"}, "unknown option"},
        {"a station not in the list",
         {"--start", "2026-12-14", "--dx", "NO1CALL", "--output", png},
         "--dx NO1CALL: no exact match"},
        {"a year of dates and more",
         {"--start", "2026-01-01", "--end", "2027-01-02", "--output", png},
         "more than 366 days"},
    };
    for (const Refusal& refusal : cases) {
        const CommandResult result = folder.Run("chart", refusal.Args);
        EXPECT_EQ(result.Exit, 2) << refusal.Name;
        EXPECT_NE(result.Err.find(refusal.Says), std::string::npos)
            << refusal.Name << ": " << result.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace velmorant::testing_support
