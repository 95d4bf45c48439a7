// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/series/horizon.h"
#include "run/report/report_pager.h"
#include "run/run_parameters.h"

// The planning report for any object but the Moon: positions for one station, a header per day
// and page.

namespace velmorant {

struct FixedObjectReportDay {
    float DayCursor = 0;
    int Year = 0, Month = 0, Day = 0;
};

struct FixedObjectReportInstant {
    float UtcHHMM = 0;
    float DayFraction = 0;
    StationView View;           // the station shown
    double RightAscension = 0;  // radians (printed for the Sun)
    double Declination = 0;     // radians (printed for the Sun)
};

class FixedObjectReport {
  public:
    FixedObjectReport(const RunParameters& params, ReportPager& pager)
        : params_(params), pager_(pager) {}

    void StartDay(const FixedObjectReportDay& day);
    // Writes the instant, with a header first when one is due. False when a header finds both
    // stations selected: positions of such objects are given for one station only.
    bool WriteInstant(const FixedObjectReportInstant& instant);
    void EndDay();

  private:
    bool CountAndCheckPage(int lines);
    bool WriteHeader();

    const RunParameters& params_;
    ReportPager& pager_;
    FixedObjectReportDay day_;
    float lastLineDayFraction_ = 2;
    int linesSinceHeader_ = 0;
    bool printedToday_ = false;
};

// The text of the refusal when both stations are selected for such an object.
inline constexpr const char* kOneStationOnlyText =
    "Positions for Celstial Objects are calculated only for one location when in Planning "
    "Mode.  Please select one station for printout.";
inline constexpr const char* kDisplaySelectionTitle = "Display Selection";

}  // namespace velmorant
