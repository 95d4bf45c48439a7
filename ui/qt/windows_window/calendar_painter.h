// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include "run/passes/calendar_days.h"
#include "run/passes/calendar_grade.h"

// The EME calendar drawn with QPainter: a grid of weeks (Monday first), one cell a date coloured
// by its grade, with the date's figures written in it. The `calendar` command saves it.

namespace velmorant {

inline constexpr int kCalendarCellWidthPx = 160;
inline constexpr int kCalendarCellHeightPx = 100;
inline constexpr int kCalendarMarginPx = 10;
inline constexpr int kCalendarHeadHeightPx = 60;  // the title and the weekdays' names

// The fill of a grade's cells.
QColor GradeColour(CalendarGrade grade);

// The picture's size for `dayCount` dates from `first`: whole weeks, Monday to Sunday.
QSize CalendarPictureSize(const CalendarDate& first, int dayCount);

// The cell of the date `dayIndex` dates after `first`, pixels.
QRect CalendarCellRect(const CalendarDate& first, int dayIndex);

void PaintCalendar(QPainter& painter, std::span<const CalendarDay> days);

// Saves the picture as PNG or SVG by the file name's ending (see SavePicture). The problem, empty
// when saved. `days` must not be empty.
QString SaveCalendar(std::span<const CalendarDay> days, const QString& fileName);

}  // namespace velmorant
