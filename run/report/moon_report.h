// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/series/horizon.h"
#include "core/series/moon.h"
#include "run/report/moon_line_layout.h"
#include "run/report/report_pager.h"
#include "run/run_parameters.h"

// The planning report for the Moon: a header per day and page, one line per qualifying instant.

namespace velmorant {

// What the day header shows besides the run parameters.
struct MoonReportDay {
    float DayCursor = 0;  // day number of the date
    int Year = 0, Month = 0, Day = 0;
    MoonDistanceState Distance;  // the date's noon distance, semi-diameter and turn mark
};

// One instant that passed the filters.
struct MoonReportInstant {
    float UtcHHMM = 0;
    float DayFraction = 0;
    std::string_view PhaseMark = "  ";  // "NM", "      FM" or two spaces
    char ActivityLetter = ' ';
    StationView Home;
    StationView DX;
    float PolarizationOffset = 0;
    double TopoDeclination = 0;         // radians, for the Home latitude
    double TopoGreenwichHourAngle = 0;  // radians
    double RightAscension = 0;          // geocentric, radians
    float Degradation = 0;              // dB, unrounded
    double SkyTemperature = 0;          // kelvin
};

class MoonReport {
  public:
    // Writes through the pager; the pages are counted by the report's own line layout.
    MoonReport(const RunParameters& params, ReportPager& pager)
        : params_(params),
          pager_(pager),
          layout_(params.OutputLines, params.IncrementMinutes, params.MaxDegradation) {}

    // A new date: no line printed yet today.
    void StartDay(const MoonReportDay& day);
    // Writes the instant (with the day header first when it is the day's first line). False when
    // the maximum degradation is exceeded where a header is due: the rest of the day is skipped.
    bool WriteInstant(const MoonReportInstant& instant);
    // The empty line that closes a day that printed anything.
    void EndDay();

  private:
    void WriteHeader();
    void WriteLine(const MoonReportInstant& instant);

    const RunParameters& params_;
    ReportPager& pager_;
    MoonLineLayout layout_;
    MoonReportDay day_;
    ReportLine line_;
};

}  // namespace velmorant
