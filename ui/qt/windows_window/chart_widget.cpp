// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_window/chart_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/model/windows_window/chart_layout.h"
#include "ui/qt/windows_window/chart_painter.h"

namespace velmorant {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(640, 320);
}

void ChartWidget::ShowChart(const std::optional<ChartSeries>& series, const QString& problem) {
    series_ = series;
    problem_ = problem;
    update();
}

QString ChartWidget::ReadingAt(double x) const {
    if (!series_) {
        return {};
    }
    const ChartLayout layout = LayoutChart(*series_, width(), height());
    const auto reading = velmorant::ReadingAt(*series_, layout, x);
    return reading ? QString::fromUtf8(reading->c_str()) : QString();
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (series_) {
        PaintChart(painter, *series_, size());
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, problem_);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    emit ReadingChanged(ReadingAt(event->position().x()));
    QWidget::mouseMoveEvent(event);
}

void ChartWidget::leaveEvent(QEvent* event) {
    emit ReadingChanged(QString());
    QWidget::leaveEvent(event);
}

}  // namespace velmorant
