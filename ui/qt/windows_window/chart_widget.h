// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>
#include <QWidget>

#include "run/passes/chart_series.h"

// The chart on screen (picChart of the WINDOWS window): the chart painter's drawing at the
// widget's size, and what the chart shows under the mouse told through ReadingChanged.
namespace velmorant {

class ChartWidget : public QWidget {
    Q_OBJECT

  public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The chart to show; none shows `problem` instead.
    void ShowChart(const std::optional<ChartSeries>& series, const QString& problem);
    // The reading at horizontal pixel x (empty outside the plot or without a chart).
    QString ReadingAt(double x) const;

  signals:
    void ReadingChanged(const QString& reading);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    std::optional<ChartSeries> series_;
    QString problem_;
};

}  // namespace velmorant
