// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QRectF>
#include <QWidget>

#include "run/passes/calendar_days.h"

// The EME calendar on screen (picCalendar of the WINDOWS window): the calendar painter's picture
// scaled to fit the widget, its proportions kept, centred; white without dates.
namespace velmorant {

class CalendarWidget : public QWidget {
    Q_OBJECT

  public:
    explicit CalendarWidget(QWidget* parent = nullptr);

    void ShowCalendar(const std::vector<CalendarDay>& days);
    int DayCount() const { return static_cast<int>(days_.size()); }
    // Where the cell of the date `dayIndex` dates after the first stands on the widget, pixels.
    QRectF CellOnScreen(int dayIndex) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The picture's scale and its top-left corner on the widget.
    double Scale() const;
    QPointF Origin() const;

    std::vector<CalendarDay> days_;
};

}  // namespace velmorant
