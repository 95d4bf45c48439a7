// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_window/calendar_widget.h"

#include <algorithm>

#include <QPainter>

#include "ui/qt/windows_window/calendar_painter.h"

namespace velmorant {

CalendarWidget::CalendarWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(640, 320);
}

void CalendarWidget::ShowCalendar(const std::vector<CalendarDay>& days) {
    days_ = days;
    update();
}

double CalendarWidget::Scale() const {
    const QSize picture = CalendarPictureSize(days_.front().Date, DayCount());
    return std::min(static_cast<double>(width()) / picture.width(),
                    static_cast<double>(height()) / picture.height());
}

QPointF CalendarWidget::Origin() const {
    const QSizeF picture = QSizeF(CalendarPictureSize(days_.front().Date, DayCount())) * Scale();
    return QPointF((width() - picture.width()) / 2, (height() - picture.height()) / 2);
}

QRectF CalendarWidget::CellOnScreen(int dayIndex) const {
    if (days_.empty()) {
        return {};
    }
    const QRectF cell = CalendarCellRect(days_.front().Date, dayIndex);
    return QRectF(Origin() + cell.topLeft() * Scale(), cell.size() * Scale());
}

void CalendarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (days_.empty()) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(Origin());
    painter.scale(Scale(), Scale());
    PaintCalendar(painter, days_);
}

}  // namespace velmorant
