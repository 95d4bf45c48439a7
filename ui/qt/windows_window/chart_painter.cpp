// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_window/chart_painter.h"

#include <QLineF>
#include <QVector>

#include "ui/model/windows_window/chart_layout.h"
#include "ui/qt/windows_window/picture_file.h"

namespace velmorant {

namespace {

const QColor kHomeColour(0, 70, 200);
const QColor kDxColour(200, 30, 30);
const QColor kDegradationColour(120, 80, 0);
const QColor kGridColour(225, 225, 225);
const QColor kDayColour(255, 215, 80);
const QColor kNightColour(40, 50, 110);

QString Q(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}

QColor WindowShade() {
    return QColor::fromRgb(static_cast<QRgb>(kWindowShadeRgb));
}

// The band under the plot: day where the Sun at Home stands above the sunrise elevation, the
// changes placed between two instants by linear interpolation.
void PaintDayNight(QPainter& painter, const ChartSeries& series, const ChartLayout& layout) {
    const QRectF band(layout.PlotLeft, layout.BandTop, layout.PlotRight - layout.PlotLeft,
                      layout.BandBottom - layout.BandTop);
    painter.fillRect(band, kNightColour);
    const auto day = [&](std::size_t g) {
        return series.SunElevationDeg[g] > kSunriseElevationDeg;
    };
    const auto crossing = [&](std::size_t g) {
        const double a = series.SunElevationDeg[g] - kSunriseElevationDeg;
        const double b = series.SunElevationDeg[g + 1] - kSunriseElevationDeg;
        return series.Days[g] + (series.Days[g + 1] - series.Days[g]) * a / (a - b);
    };
    std::optional<double> dayFrom;
    for (std::size_t g = 0; g < series.Days.size(); ++g) {
        if (day(g) && !dayFrom) {
            dayFrom = g == 0 ? series.Days[g] : crossing(g - 1);
        }
        if (dayFrom && (g + 1 == series.Days.size() || !day(g + 1))) {
            const double to = g + 1 == series.Days.size() ? series.Days[g] : crossing(g);
            painter.fillRect(QRectF(QPointF(layout.X(*dayFrom), band.top()),
                                    QPointF(layout.X(to), band.bottom())),
                             kDayColour);
            dayFrom.reset();
        }
    }
}

void PaintWindows(QPainter& painter, const ChartSeries& series, const ChartLayout& layout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const MutualWindow& window : series.Windows) {
        const int left = static_cast<int>(std::lround(layout.X(ChartDayOf(window.Start))));
        const int right = static_cast<int>(std::lround(layout.X(ChartDayOf(window.End))));
        painter.fillRect(
            QRect(QPoint(left, static_cast<int>(layout.PlotTop) + 1),
                  QPoint(std::max(right, left + 1), static_cast<int>(layout.PlotBottom) - 1)),
            WindowShade());
    }
    painter.restore();
}

void PaintGrid(QPainter& painter, const ChartLayout& layout, const TimeTicks& time) {
    painter.setPen(QPen(kGridColour, 1));
    for (const double at : time.Grid) {
        painter.drawLine(QPointF(layout.X(at), layout.PlotTop),
                         QPointF(layout.X(at), layout.PlotBottom));
    }
    for (const AxisTick& tick : ElevationTicks(layout)) {
        painter.drawLine(QPointF(layout.PlotLeft, layout.ElevationY(tick.Value)),
                         QPointF(layout.PlotRight, layout.ElevationY(tick.Value)));
    }
}

void PaintLimits(QPainter& painter, const ChartSeries& series, const ChartLayout& layout) {
    const auto line = [&](double degrees, const QColor& colour, Qt::PenStyle style) {
        if (degrees < layout.ElevationLowDeg || degrees > layout.ElevationHighDeg) {
            return;
        }
        painter.setPen(QPen(colour, 1.2, style));
        painter.drawLine(QPointF(layout.PlotLeft, layout.ElevationY(degrees)),
                         QPointF(layout.PlotRight, layout.ElevationY(degrees)));
    };
    line(0, Qt::black, Qt::SolidLine);
    line(series.HomeAboveDeg, kHomeColour, Qt::DashLine);
    line(series.HomeBelowDeg, kHomeColour, Qt::DotLine);
    line(series.DxAboveDeg, kDxColour, Qt::DashLine);
    line(series.DxBelowDeg, kDxColour, Qt::DotLine);
}

void PaintSeries(QPainter& painter, const ChartSeries& series, const ChartLayout& layout,
                 const std::vector<float>& values, const QPen& pen, ChartAxis axis) {
    // Separate segments: one long polyline is stroked as one polygon, and over months of dates
    // its thousands of crossing edges make the raster engine crawl.
    const std::vector<ChartPoint> points = SeriesPolyline(layout, series.Days, values, axis);
    QVector<QLineF> segments;
    for (std::size_t i = 1; i < points.size(); ++i) {
        segments.append(QLineF(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y));
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLines(segments);
}

void PaintAxes(QPainter& painter, const ChartLayout& layout, const TimeTicks& time) {
    painter.setPen(Qt::black);
    painter.drawRect(QRectF(QPointF(layout.PlotLeft, layout.PlotTop),
                            QPointF(layout.PlotRight, layout.PlotBottom)));
    const QFontMetricsF metrics(painter.font());
    for (const AxisTick& tick : ElevationTicks(layout)) {
        const QString text = Q(tick.Label);
        painter.drawText(QPointF(layout.PlotLeft - 6 - metrics.horizontalAdvance(text),
                                 layout.ElevationY(tick.Value) + metrics.ascent() / 2 - 1),
                         text);
    }
    painter.setPen(kDegradationColour);
    for (const AxisTick& tick : DegradationTicks(layout)) {
        painter.drawText(QPointF(layout.PlotRight + 6,
                                 layout.DegradationY(tick.Value) + metrics.ascent() / 2 - 1),
                         Q(tick.Label));
    }
    painter.setPen(Qt::black);
    for (const AxisTick& tick : time.Hours) {
        const QString text = Q(tick.Label);
        painter.drawText(
            QPointF(layout.X(tick.Value) - metrics.horizontalAdvance(text) / 2, layout.HourLabelY),
            text);
    }
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    for (const AxisTick& tick : time.Dates) {
        painter.drawLine(QPointF(layout.X(tick.Value), layout.PlotBottom),
                         QPointF(layout.X(tick.Value), layout.BandBottom + 3));
        painter.drawText(QPointF(layout.X(tick.Value) + 3, layout.DateLabelY), Q(tick.Label));
    }
}

void PaintLegend(QPainter& painter, const ChartSeries& series, const ChartLayout& layout) {
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(layout.PlotLeft, 18), Q(ChartTitle(series)));
    font.setBold(false);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    double x = layout.PlotLeft;
    const double y = 38;
    const auto entry = [&](const QString& text, const QBrush& swatch, const QPen& pen) {
        painter.setPen(pen);
        painter.setBrush(swatch);
        painter.drawRect(QRectF(x, y - 9, 18, 10));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 24, y), text);
        x += 24 + metrics.horizontalAdvance(text) + 18;
    };
    entry("Moon at " + Q(series.HomeName), kHomeColour, QPen(kHomeColour));
    entry("Moon at " + Q(series.DxName), kDxColour, QPen(kDxColour));
    entry("degradation (right axis)", kDegradationColour, QPen(kDegradationColour));
    entry("mutual window", WindowShade(), QPen(Qt::gray));
    entry("elevation limits (dashed above, dotted below)", Qt::NoBrush, QPen(Qt::black));
    entry("day / night at " + Q(series.HomeName), kDayColour, QPen(kNightColour, 3));
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

void PaintChart(QPainter& painter, const ChartSeries& series, const QSize& size) {
    const ChartLayout layout = LayoutChart(series, size.width(), size.height());
    const TimeTicks time = TimeAxisTicks(layout);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PaintGrid(painter, layout, time);
    PaintWindows(painter, series, layout);
    PaintDayNight(painter, series, layout);
    painter.save();
    painter.setClipRect(QRectF(QPointF(layout.PlotLeft, layout.PlotTop),
                               QPointF(layout.PlotRight, layout.PlotBottom)));
    PaintLimits(painter, series, layout);
    PaintSeries(painter, series, layout, series.DegradationDb, QPen(kDegradationColour, 1.2),
                ChartAxis::Degradation);
    PaintSeries(painter, series, layout, series.HomeElevationDeg, QPen(kHomeColour, 1.8),
                ChartAxis::Elevation);
    PaintSeries(painter, series, layout, series.DxElevationDeg, QPen(kDxColour, 1.8),
                ChartAxis::Elevation);
    painter.restore();
    PaintAxes(painter, layout, time);
    PaintLegend(painter, series, layout);
    painter.restore();
}

QString SaveChart(const ChartSeries& series, const QString& fileName, const QSize& size) {
    return SavePicture(fileName, size, Q(ChartTitle(series)),
                       [&](QPainter& painter) { PaintChart(painter, series, size); });
}

}  // namespace velmorant
