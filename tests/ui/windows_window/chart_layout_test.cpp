// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's geometry: the time axis's labels, the thinning of long series and the reading
// under the mouse, on small series made by hand.

#include "ui/model/windows_window/chart_layout.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/common/calendar.h"

namespace velmorant {
namespace {

const double kMonday14Dec2026 = static_cast<double>(DaysSince1970(2026, 12, 14));

TEST(ChartLayout, AWeekIsLabelledByDayAndEverySixHours) {
    const ChartLayout layout =
        LayoutChart(kMonday14Dec2026, kMonday14Dec2026 + 7, 1.2, 3.8, 1280, 560);
    EXPECT_EQ(layout.DegradationLowDb, 1);
    EXPECT_EQ(layout.DegradationHighDb, 4);
    const TimeTicks ticks = TimeAxisTicks(layout);
    ASSERT_EQ(ticks.Dates.size(), 7u);  // not the closing midnight
    EXPECT_EQ(ticks.Dates.front().Label, "Mon 14 Dec");
    EXPECT_EQ(ticks.Dates.back().Label, "Sun 20 Dec");
    ASSERT_EQ(ticks.Hours.size(), 21u);
    EXPECT_EQ(ticks.Hours[0].Label, "06");
    EXPECT_EQ(ticks.Hours[2].Label, "18");
    EXPECT_DOUBLE_EQ(layout.X(kMonday14Dec2026), layout.PlotLeft);
    EXPECT_DOUBLE_EQ(layout.X(kMonday14Dec2026 + 7), layout.PlotRight);
}

TEST(ChartLayout, ALongSeriesKeepsItsExtremesInEachPixelColumn) {
    const ChartLayout layout = LayoutChart(0, 1, 0, 1, 464, 300);  // a 336-pixel plot
    std::vector<double> days;
    std::vector<float> values;
    for (int minute = 0; minute <= 1440; ++minute) {
        days.push_back(minute / 1440.0);
        values.push_back(minute == 700 ? 85.0f : minute == 701 ? -15.0f : 10.0f);
    }
    const std::vector<ChartPoint> points =
        SeriesPolyline(layout, days, values, ChartAxis::Elevation);
    EXPECT_LE(points.size(), 4 * 337u);
    double top = layout.PlotBottom;
    double bottom = layout.PlotTop;
    for (const ChartPoint& point : points) {
        top = std::min(top, point.Y);
        bottom = std::max(bottom, point.Y);
    }
    EXPECT_DOUBLE_EQ(top, layout.ElevationY(85));
    EXPECT_DOUBLE_EQ(bottom, layout.ElevationY(-15));
}

TEST(ChartLayout, TheReadingIsTheNearestInstantsAndSaysWhetherAWindowIsOpen) {
    ChartSeries series;
    series.FirstDay = kMonday14Dec2026;
    series.LastDay = kMonday14Dec2026 + 1;
    series.HomeName = "DL1ABC";
    series.DxName = "W1XYZ";
    for (int quarter = 0; quarter <= 96; ++quarter) {
        series.Days.push_back(kMonday14Dec2026 + quarter / 96.0);
        series.HomeElevationDeg.push_back(static_cast<float>(quarter));
        series.DxElevationDeg.push_back(-1);
        series.DegradationDb.push_back(2.5f);
        series.SunElevationDeg.push_back(quarter < 48 ? -10.0f : 10.0f);
    }
    MutualWindow window;
    window.Start = GridInstant{{2026, 12, 14}, 1200};
    window.End = GridInstant{{2026, 12, 14}, 1300};
    series.Windows.push_back(window);
    const ChartLayout layout = LayoutChart(series, 1280, 560);

    const auto at = [&](double day) {
        return ReadingAt(series, layout, layout.X(kMonday14Dec2026 + day)).value_or("none");
    };
    EXPECT_EQ(at(0.51),  // 12:14:24, nearest 12:15
              "2026-12-14 12:15 UTC   Moon at DL1ABC 49.0\u00b0, at W1XYZ -1.0\u00b0   2.5 dB"
              "   day at DL1ABC   mutual window");
    EXPECT_EQ(at(0.25).substr(0, 20), "2026-12-14 06:00 UTC");
    EXPECT_EQ(at(0.25).find("mutual window"), std::string::npos);
    EXPECT_NE(at(0.25).find("night at DL1ABC"), std::string::npos);
    EXPECT_EQ(at(1.0).substr(0, 20), "2026-12-15 00:00 UTC");  // the grid's 2400
    EXPECT_FALSE(ReadingAt(series, layout, layout.PlotLeft - 1).has_value());
}

}  // namespace
}  // namespace velmorant
