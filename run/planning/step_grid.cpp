// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/step_grid.h"

#include <cmath>

#include "core/common/numeric.h"

namespace velmorant {

namespace {

// Minutes of a clock time written as hhmm; the hours are not reduced modulo 24.
double ClockMinutes(double hhmm) {
    const double hundreds = Int(hhmm / 100.0);
    return 60.0 * hundreds + (hhmm - 100.0 * hundreds);
}

// The next instant: hhmm advanced by the increment in clock arithmetic (2355 + 15 is 2410).
float NextInstant(float hhmm, int incrementMinutes) {
    const double hours = Int(hhmm / 100.0);
    const double t = 60.0 * hours + (hhmm - 100.0 * hours) + incrementMinutes;
    return static_cast<float>(
        RoundToStep(100.0 * Int(t / 60.0) + (t - 60.0 * Int(t / 60.0)), 1000));
}

}  // namespace

std::vector<PlanningDate> PlanningDates(const RunParameters& params) {
    std::vector<PlanningDate> dates;
    CalendarDate date{params.YearStart, params.MonthStart, params.DayStart};
    float dayCursor = params.StartDayNumber;
    for (;;) {
        dates.push_back(PlanningDate{dayCursor, date});
        dayCursor += 1.0f;
        date = NextDay(date);
        dayCursor = static_cast<float>(RoundToStep(dayCursor, 10));
        if (dayCursor - params.EndDayNumber > 0.5f) {
            return dates;
        }
    }
}

std::vector<float> DayInstants(int incrementMinutes) {
    // A planning day always runs from 0000 to 2400; the typed time window is a filter.
    constexpr float windowEnd = 2400.0f;
    std::vector<float> instants;
    float utcHHMM = 0.0f;
    for (;;) {
        const double beyond = ClockMinutes(utcHHMM) - ClockMinutes(windowEnd);
        if (beyond > 0) {
            if (beyond >= incrementMinutes) {
                return instants;
            }
            // The end of the window is computed even when the step does not land on it.
            utcHHMM = windowEnd;
        }
        instants.push_back(utcHHMM);
        utcHHMM = NextInstant(utcHHMM, incrementMinutes);
    }
}

int MinutesOfDay(float hhmm) {
    const long whole = std::lround(hhmm);
    return static_cast<int>(whole / 100 * 60 + whole % 100);
}

}  // namespace velmorant
