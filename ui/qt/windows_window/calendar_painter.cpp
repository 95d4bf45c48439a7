// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_window/calendar_painter.h"

#include <string>

#include <QFont>

#include "core/common/calendar.h"
#include "core/common/numeric.h"
#include "ui/qt/windows_window/picture_file.h"

namespace velmorant {

namespace {

const char* const kWeekdays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const QColor kEmptyCellColour(245, 245, 245);
const QColor kLineColour(120, 120, 120);

long DayNumberOf(const CalendarDate& date) {
    return DaysSince1970(date.Year, date.Month, date.Day);
}

// 0 for Monday ... 6 for Sunday; 1970-01-01 was a Thursday.
int WeekdayOf(long daysSince1970) {
    return static_cast<int>(((daysSince1970 + 3) % 7 + 7) % 7);
}

int WeeksCovering(const CalendarDate& first, int dayCount) {
    return (WeekdayOf(DayNumberOf(first)) + dayCount + 6) / 7;
}

QString Figure(const char* format, double value) {
    return QString::asprintf(format, value);
}

void PaintCell(QPainter& painter, const CalendarDay& day, const QRect& cell) {
    painter.fillRect(cell, GradeColour(GradeOf(day.DegradationMin)));
    painter.setPen(kLineColour);
    painter.drawRect(cell);
    painter.setPen(Qt::black);
    const QRect text = cell.adjusted(6, 4, -6, -4);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    QString title = QString::number(day.Date.Day);
    if (day.Date.Day == 1) {
        title = QString(kMonths[day.Date.Month - 1]) + " " + title;
    }
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, title);
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, QString::fromStdString(day.PhaseMark));
    painter.restore();
    QStringList lines;
    lines << (day.DegradationMin
                  ? Figure("min %.1f dB ", RoundToStep(*day.DegradationMin, 10)) +
                        QString::fromUtf8(GradeName(GradeOf(day.DegradationMin)).data())
                  : QString("no line"));
    lines << Figure("home %.1f h", day.HomeMinutes / 60.0);
    if (day.WindowMinutes) {
        lines << Figure("window %.1f h", *day.WindowMinutes / 60.0);
    }
    lines << Figure("%.0f km", day.DistanceKm) + Figure("  dec %.1f", day.DeclinationDeg);
    painter.drawText(text.adjusted(0, 20, 0, 0), Qt::AlignLeft | Qt::AlignTop, lines.join('\n'));
}

}  // namespace

QColor GradeColour(CalendarGrade grade) {
    switch (grade) {
        case CalendarGrade::Excellent:
            return QColor(26, 152, 80);
        case CalendarGrade::Good:
            return QColor(145, 207, 96);
        case CalendarGrade::Fair:
            return QColor(254, 224, 139);
        case CalendarGrade::Poor:
            return QColor(252, 141, 89);
        case CalendarGrade::VeryPoor:
            return QColor(215, 48, 39);
        case CalendarGrade::None:
            break;
    }
    return QColor(200, 200, 200);
}

QSize CalendarPictureSize(const CalendarDate& first, int dayCount) {
    return QSize(2 * kCalendarMarginPx + 7 * kCalendarCellWidthPx,
                 2 * kCalendarMarginPx + kCalendarHeadHeightPx +
                     WeeksCovering(first, dayCount) * kCalendarCellHeightPx);
}

QRect CalendarCellRect(const CalendarDate& first, int dayIndex) {
    const int slot = WeekdayOf(DayNumberOf(first)) + dayIndex;
    return QRect(kCalendarMarginPx + slot % 7 * kCalendarCellWidthPx,
                 kCalendarMarginPx + kCalendarHeadHeightPx + slot / 7 * kCalendarCellHeightPx,
                 kCalendarCellWidthPx, kCalendarCellHeightPx);
}

void PaintCalendar(QPainter& painter, std::span<const CalendarDay> days) {
    const CalendarDate& first = days.front().Date;
    const int count = static_cast<int>(days.size());
    const QSize size = CalendarPictureSize(first, count);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setPen(Qt::black);
    const CalendarDate& last = days.back().Date;
    const QString title =
        QString::asprintf("EME calendar %04d-%02d-%02d to %04d-%02d-%02d (UTC)", first.Year,
                          first.Month, first.Day, last.Year, last.Month, last.Day);
    painter.drawText(QRect(kCalendarMarginPx, kCalendarMarginPx, size.width(), 24),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    for (int weekday = 0; weekday < 7; ++weekday) {
        painter.drawText(QRect(kCalendarMarginPx + weekday * kCalendarCellWidthPx,
                               kCalendarMarginPx + 30, kCalendarCellWidthPx, 24),
                         Qt::AlignCenter, kWeekdays[weekday]);
    }
    const int cellCount = WeeksCovering(first, count) * 7;
    const int lead = WeekdayOf(DayNumberOf(first));
    for (int slot = 0; slot < cellCount; ++slot) {
        const QRect cell = CalendarCellRect(first, slot - lead);
        if (slot < lead || slot - lead >= count) {
            painter.fillRect(cell, kEmptyCellColour);
            continue;
        }
        PaintCell(painter, days[static_cast<std::size_t>(slot - lead)], cell);
    }
}

QString SaveCalendar(std::span<const CalendarDay> days, const QString& fileName) {
    const QSize size = CalendarPictureSize(days.front().Date, static_cast<int>(days.size()));
    return SavePicture(fileName, size, "EME calendar",
                       [&](QPainter& painter) { PaintCalendar(painter, days); });
}

}  // namespace velmorant
