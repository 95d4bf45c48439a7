// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "run/passes/calendar_days.h"
#include "run/report/report_sink.h"
#include "run/rows/mutual_window_table.h"

// The EME calendar as `velmorant calendar` writes it: a text table, CSV or JSON (numbers
// unrounded, as the other rows), one date a line. The window hours' column is there only when
// the days carry them (both stations displayed).

namespace velmorant {

void WriteCalendar(std::span<const CalendarDay> days, ReportSink& sink, WindowsFormat format);

}  // namespace velmorant
