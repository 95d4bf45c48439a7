// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/rows/calendar_table.h"

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "core/common/numeric.h"
#include "run/passes/calendar_grade.h"
#include "run/rows/data_rows.h"

namespace velmorant {

namespace {

bool HasWindows(std::span<const CalendarDay> days) {
    return !days.empty() && days.front().WindowMinutes.has_value();
}

double Hours(int minutes) {
    return minutes / 60.0;
}

void WriteRows(std::span<const CalendarDay> days, ReportSink& sink, DataFormat format) {
    const bool windows = HasWindows(days);
    std::vector<std::string> columns = {"date", "distance_km", "declination_deg",
                                        "sun_moon_angle_deg", "home_hours"};
    if (windows) {
        columns.emplace_back("window_hours");
    }
    columns.insert(columns.end(), {"degradation_min_db", "phase_mark", "grade"});
    DataRows rows(sink, format, columns);
    const double none = std::numeric_limits<double>::quiet_NaN();
    for (const CalendarDay& day : days) {
        rows.BeginRow();
        rows.Text(IsoDateText(day.Date.Year, day.Date.Month, day.Date.Day));
        rows.Number(day.DistanceKm);
        rows.Number(day.DeclinationDeg);
        rows.Number(day.SunMoonAngleDeg);
        rows.Number(Hours(day.HomeMinutes));
        if (windows) {
            rows.Number(day.WindowMinutes ? Hours(*day.WindowMinutes) : none);
        }
        rows.Number(day.DegradationMin ? double{*day.DegradationMin} : none);
        rows.Text(day.PhaseMark);
        rows.Text(GradeName(GradeOf(day.DegradationMin)));
        rows.EndRow();
    }
    rows.Finish();
}

void WriteText(std::span<const CalendarDay> days, ReportSink& sink) {
    const bool windows = HasWindows(days);
    sink.WriteLine(windows ? "DATE        DISTANCE   DECL    SUN   HOME  WINDOW   MIN  MARK  GRADE"
                           : "DATE        DISTANCE   DECL    SUN   HOME   MIN  MARK  GRADE");
    sink.WriteLine(windows ? "                  KM    DEG    DEG      H       H    DB"
                           : "                  KM    DEG    DEG      H    DB");
    sink.WriteLine(windows
                       ? "==========  ========  =====  =====  =====  ======  ====  ====  ========="
                       : "==========  ========  =====  =====  =====  ====  ====  =========");
    for (const CalendarDay& day : days) {
        char window[16] = "";
        if (windows) {
            std::snprintf(window, sizeof window, "  %6.1f", Hours(*day.WindowMinutes));
        }
        // The degradation as the report rounds it: to 0.1 dB.
        char degradation[16] = "      ";
        if (day.DegradationMin) {
            std::snprintf(degradation, sizeof degradation, "  %4.1f",
                          RoundToStep(*day.DegradationMin, 10));
        }
        char line[128];
        std::snprintf(line, sizeof line, "%s  %8.0f  %5.1f  %5.1f  %5.1f%s%s  %-4s  %s",
                      IsoDateText(day.Date.Year, day.Date.Month, day.Date.Day).c_str(),
                      day.DistanceKm, day.DeclinationDeg, day.SunMoonAngleDeg,
                      Hours(day.HomeMinutes), window, degradation, day.PhaseMark.c_str(),
                      std::string(GradeName(GradeOf(day.DegradationMin))).c_str());
        std::string text = line;
        text.erase(text.find_last_not_of(' ') + 1);
        sink.WriteLine(text);
    }
}

}  // namespace

void WriteCalendar(std::span<const CalendarDay> days, ReportSink& sink, WindowsFormat format) {
    switch (format) {
        case WindowsFormat::Text:
            WriteText(days, sink);
            return;
        case WindowsFormat::Csv:
            WriteRows(days, sink, DataFormat::Csv);
            return;
        case WindowsFormat::Json:
            WriteRows(days, sink, DataFormat::Json);
            return;
    }
}

}  // namespace velmorant
