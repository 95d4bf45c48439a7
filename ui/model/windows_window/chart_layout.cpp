// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window/chart_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "core/common/calendar.h"

namespace velmorant {

namespace {

// Margins, pixels: the elevation labels left, the degradation labels right, the title and the
// legend above, the band and two rows of time labels below.
constexpr double kLeftMarginPx = 64;
constexpr double kRightMarginPx = 64;
constexpr double kTopMarginPx = 48;
constexpr double kBandGapPx = 4;
constexpr double kBandHeightPx = 14;
constexpr double kLabelRowPx = 18;
// Labels closer than this (pixels) would run into each other.
constexpr double kHourLabelSpacingPx = 36;
constexpr double kDateLabelSpacingPx = 96;

const std::array<const char*, 7> kWeekdays = {"Thu", "Fri", "Sat", "Sun",
                                              "Mon", "Tue", "Wed"};  // 1970-01-01 was a Thursday
const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string DateLabel(std::int64_t day) {
    const CalendarDate date = DateFromDaysSince1970(day);
    char text[32];
    std::snprintf(text, sizeof text, "%s %d %s",
                  kWeekdays[static_cast<std::size_t>(((day % 7) + 7) % 7)], date.Day,
                  kMonths[static_cast<std::size_t>(date.Month - 1)]);
    return text;
}

std::string Format(const char* pattern, double value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

}  // namespace

double ChartLayout::X(double days) const {
    return PlotLeft + (days - FirstDay) / (LastDay - FirstDay) * (PlotRight - PlotLeft);
}

double ChartLayout::DayAt(double x) const {
    return FirstDay + (x - PlotLeft) / (PlotRight - PlotLeft) * (LastDay - FirstDay);
}

double ChartLayout::ElevationY(double degrees) const {
    return PlotBottom - (degrees - ElevationLowDeg) / (ElevationHighDeg - ElevationLowDeg) *
                            (PlotBottom - PlotTop);
}

double ChartLayout::DegradationY(double db) const {
    return PlotBottom - (db - DegradationLowDb) / (DegradationHighDb - DegradationLowDb) *
                            (PlotBottom - PlotTop);
}

ChartLayout LayoutChart(double firstDay, double lastDay, double lowDb, double highDb, double width,
                        double height) {
    ChartLayout layout;
    layout.PlotLeft = kLeftMarginPx;
    layout.PlotRight = width - kRightMarginPx;
    layout.PlotTop = kTopMarginPx;
    layout.DateLabelY = height - 8;
    layout.HourLabelY = layout.DateLabelY - kLabelRowPx;
    layout.BandBottom = layout.HourLabelY - kLabelRowPx + 2;
    layout.BandTop = layout.BandBottom - kBandHeightPx;
    layout.PlotBottom = layout.BandTop - kBandGapPx;
    layout.FirstDay = firstDay;
    layout.LastDay = std::max(lastDay, firstDay + 1.0 / 1440);
    layout.DegradationLowDb = std::floor(lowDb);
    layout.DegradationHighDb = std::max(std::ceil(highDb), layout.DegradationLowDb + 1);
    return layout;
}

ChartLayout LayoutChart(const ChartSeries& series, double width, double height) {
    double low = 0;
    double high = 1;
    if (!series.DegradationDb.empty()) {
        const auto [min, max] =
            std::minmax_element(series.DegradationDb.begin(), series.DegradationDb.end());
        low = *min;
        high = *max;
    }
    return LayoutChart(series.FirstDay, series.LastDay, low, high, width, height);
}

TimeTicks TimeAxisTicks(const ChartLayout& layout) {
    TimeTicks ticks;
    const double pixelsPerDay =
        (layout.PlotRight - layout.PlotLeft) / (layout.LastDay - layout.FirstDay);
    // Hour labels every 1, 2, 3, 6 or 12 hours, whichever first leaves them room.
    int hourStep = 0;
    for (const int step : {1, 2, 3, 6, 12}) {
        if (pixelsPerDay * step / 24 >= kHourLabelSpacingPx) {
            hourStep = step;
            break;
        }
    }
    int dayStep = 1;
    while (pixelsPerDay * dayStep < kDateLabelSpacingPx) {
        dayStep = dayStep < 7 ? dayStep + 1 : dayStep * 2;
    }
    const auto first = static_cast<std::int64_t>(std::floor(layout.FirstDay));
    const auto last = static_cast<std::int64_t>(std::ceil(layout.LastDay));
    for (std::int64_t day = first; day <= last; ++day) {
        const double at = static_cast<double>(day);
        if (at >= layout.FirstDay && at <= layout.LastDay) {
            // The axis's right end is the next midnight: its label would run off the picture.
            if ((day - first) % dayStep == 0 && at < layout.LastDay) {
                ticks.Dates.push_back(AxisTick{at, DateLabel(day)});
            }
            if (hourStep > 0 || (day - first) % dayStep == 0) {
                ticks.Grid.push_back(at);
            }
        }
        for (int hour = hourStep; hourStep > 0 && hour < 24; hour += hourStep) {
            const double when = at + hour / 24.0;
            if (when > layout.FirstDay && when < layout.LastDay) {
                ticks.Hours.push_back(AxisTick{when, Format("%02.0f", hour)});
                ticks.Grid.push_back(when);
            }
        }
    }
    return ticks;
}

std::vector<AxisTick> ElevationTicks(const ChartLayout& layout) {
    std::vector<AxisTick> ticks;
    for (double degrees = std::ceil(layout.ElevationLowDeg / 10) * 10;
         degrees <= layout.ElevationHighDeg; degrees += 10) {
        ticks.push_back(AxisTick{degrees, Format("%.0f\u00b0", degrees)});
    }
    return ticks;
}

std::vector<AxisTick> DegradationTicks(const ChartLayout& layout) {
    const double span = layout.DegradationHighDb - layout.DegradationLowDb;
    const double step = span <= 6 ? 1 : span <= 12 ? 2 : 5;
    std::vector<AxisTick> ticks;
    for (double db = std::ceil(layout.DegradationLowDb / step) * step;
         db <= layout.DegradationHighDb + 1e-9; db += step) {
        // + 0.0 turns the -0 of a tick at zero reached from below into 0.
        ticks.push_back(AxisTick{db, Format("%.0f dB", db + 0.0)});
    }
    return ticks;
}

std::vector<ChartPoint> SeriesPolyline(const ChartLayout& layout, const std::vector<double>& days,
                                       const std::vector<float>& values, ChartAxis axis) {
    const auto y = [&](float value) {
        return axis == ChartAxis::Elevation ? layout.ElevationY(value) : layout.DegradationY(value);
    };
    std::vector<ChartPoint> points;
    std::size_t g = 0;
    while (g < values.size()) {
        // The instants that fall into the pixel column of instant g.
        const double column = std::floor(layout.X(days[g]));
        std::size_t end = g + 1;
        float low = values[g];
        float high = values[g];
        std::size_t lowAt = g;
        std::size_t highAt = g;
        while (end < values.size() && std::floor(layout.X(days[end])) == column) {
            if (values[end] < low) {
                low = values[end];
                lowAt = end;
            }
            if (values[end] > high) {
                high = values[end];
                highAt = end;
            }
            ++end;
        }
        // In time order, so that the line keeps its shape within the column.
        for (const std::size_t at :
             {g, std::min(lowAt, highAt), std::max(lowAt, highAt), end - 1}) {
            const ChartPoint point{layout.X(days[at]), y(values[at])};
            if (points.empty() || points.back().X != point.X || points.back().Y != point.Y) {
                points.push_back(point);
            }
        }
        g = end;
    }
    return points;
}

std::optional<std::string> ReadingAt(const ChartSeries& series, const ChartLayout& layout,
                                     double x) {
    if (series.Days.empty() || x < layout.PlotLeft || x > layout.PlotRight) {
        return std::nullopt;
    }
    const double day = layout.DayAt(x);
    const auto after = std::lower_bound(series.Days.begin(), series.Days.end(), day);
    std::size_t g = static_cast<std::size_t>(after - series.Days.begin());
    if (g == series.Days.size() || (g > 0 && day - series.Days[g - 1] < series.Days[g] - day)) {
        --g;
    }
    const double when = series.Days[g];
    const auto whole = static_cast<std::int64_t>(std::floor(when + 1e-9));
    const CalendarDate date = DateFromDaysSince1970(whole);
    const long minutes = std::lround((when - static_cast<double>(whole)) * 1440);
    bool open = false;
    for (const MutualWindow& window : series.Windows) {
        open = open ||
               (ChartDayOf(window.Start) <= when + 1e-9 && when <= ChartDayOf(window.End) + 1e-9);
    }
    char text[200];
    std::snprintf(text, sizeof text,
                  "%04d-%02d-%02d %02ld:%02ld UTC   Moon at %s %.1f\u00b0, at %s %.1f\u00b0   "
                  "%.1f dB   %s at %s%s",
                  date.Year, date.Month, date.Day, minutes / 60 % 24, minutes % 60,
                  series.HomeName.c_str(), series.HomeElevationDeg[g], series.DxName.c_str(),
                  series.DxElevationDeg[g], series.DegradationDb[g],
                  series.SunElevationDeg[g] > kSunriseElevationDeg ? "day" : "night",
                  series.HomeName.c_str(), open ? "   mutual window" : "");
    return std::string(text);
}

std::string ChartTitle(const ChartSeries& series) {
    const auto first = static_cast<std::int64_t>(series.FirstDay);
    const auto last = static_cast<std::int64_t>(series.LastDay) - 1;
    const CalendarDate start = DateFromDaysSince1970(first);
    const CalendarDate end = DateFromDaysSince1970(last);
    char text[200];
    std::snprintf(text, sizeof text,
                  "Moon elevation at %s and %s, %04d-%02d-%02d to %04d-%02d-%02d (UTC)",
                  series.HomeName.c_str(), series.DxName.c_str(), start.Year, start.Month,
                  start.Day, end.Year, end.Month, end.Day);
    return text;
}

}  // namespace velmorant
