// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "run/passes/chart_series.h"

// The chart's geometry without a toolkit: where the plot, the day/night band and the axes lie in
// a picture of a given size, the ticks and labels of the time, elevation and degradation axes,
// and what the chart shows at a point. The painter (ui/qt/chart_painter) draws from this; the
// tests read a picture back through it.

namespace velmorant {

// The shade of a mutual window in the plot, 0xRRGGBB: a pale green, drawn opaque and without
// smoothing, so that a window's edges are whole pixels.
inline constexpr std::uint32_t kWindowShadeRgb = 0xBEEBBE;

struct ChartLayout {
    // Pixels, from the picture's top left corner.
    double PlotLeft = 0, PlotTop = 0, PlotRight = 0, PlotBottom = 0;
    double BandTop = 0, BandBottom = 0;     // the day/night band under the plot
    double HourLabelY = 0, DateLabelY = 0;  // baselines of the time axis's two label rows
    double FirstDay = 0, LastDay = 1;       // the time axis, days since 1970-01-01 0h UTC
    double ElevationLowDeg = -20, ElevationHighDeg = 90;  // the left axis
    double DegradationLowDb = 0, DegradationHighDb = 1;   // the right axis

    double X(double days) const;
    double DayAt(double x) const;
    double ElevationY(double degrees) const;
    double DegradationY(double db) const;
};

// The layout of a picture of width x height pixels (at least 400 x 300 make sense) for the
// time axis firstDay ... lastDay and the degradation lowDb ... highDb (the axis is widened to
// whole decibels, at least one).
ChartLayout LayoutChart(double firstDay, double lastDay, double lowDb, double highDb, double width,
                        double height);
// The same for a series: its dates and the range of its degradation.
ChartLayout LayoutChart(const ChartSeries& series, double width, double height);

struct AxisTick {
    double Value = 0;  // days for the time axis, degrees or dB for the others
    std::string Label;
};

struct TimeTicks {
    std::vector<AxisTick> Hours;  // "00", "06", ... every few hours, none for long ranges
    std::vector<AxisTick> Dates;  // midnights, labelled "Mon 14 Dec" (every few days if crowded)
    std::vector<double> Grid;     // where the vertical grid lines go
};

TimeTicks TimeAxisTicks(const ChartLayout& layout);
std::vector<AxisTick> ElevationTicks(const ChartLayout& layout);
std::vector<AxisTick> DegradationTicks(const ChartLayout& layout);

struct ChartPoint {
    double X = 0;  // pixels
    double Y = 0;
};

enum class ChartAxis { Elevation, Degradation };

// The polyline of one series in pixels, at most four points per pixel column (where the series
// enters it, its lowest, its highest, where it leaves): a year at one-minute steps is half a
// million instants, which no painter draws quickly and no screen shows apart.
std::vector<ChartPoint> SeriesPolyline(const ChartLayout& layout, const std::vector<double>& days,
                                       const std::vector<float>& values, ChartAxis axis);

// What the chart shows at horizontal pixel x: the grid instant nearest to it as "YYYY-MM-DD
// HH:MM UTC", the Moon's elevation at both stations, the degradation, day or night at Home and
// whether a window is open; nothing outside the plot or without instants.
std::optional<std::string> ReadingAt(const ChartSeries& series, const ChartLayout& layout,
                                     double x);

// The chart's title line.
std::string ChartTitle(const ChartSeries& series);

}  // namespace velmorant
