// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QSize>
#include <QString>

#include "run/passes/chart_series.h"

// The chart of a Home/DX pair drawn with QPainter: the one drawing the `chart` command saves
// and the WINDOWS window's Chart tab shows. The geometry comes from ui/model/chart_layout.

namespace velmorant {

// Draws the chart into a picture of `size` pixels through `painter`.
void PaintChart(QPainter& painter, const ChartSeries& series, const QSize& size);

// The picture sizes the command writes and the window saves, pixels.
inline constexpr int kChartWidthPx = 1280;
inline constexpr int kChartHeightPx = 560;

// Saves the chart as PNG or SVG (by the file name's ending, .png or .svg, any case): encoded in
// memory, then written through WriteTextFile (beside the file and put in its place only when
// complete; a device or FIFO written in place). The problem, empty when saved: the system's
// reason when the bytes could not be written (e.g. "No space left on device").
QString SaveChart(const ChartSeries& series, const QString& fileName,
                  const QSize& size = QSize(kChartWidthPx, kChartHeightPx));

}  // namespace velmorant
