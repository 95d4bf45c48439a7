// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/calendar_days.h"

#include <algorithm>

#include "core/common/constants.h"
#include "core/ephemeris/sun_moon_angle.h"
#include "core/series/moon.h"
#include "core/series/sun.h"
#include "run/instant_position.h"
#include "run/planning/planning_output.h"
#include "run/planning/planning_run.h"
#include "run/planning/step_grid.h"
#include "run/planning/window_filters.h"
#include "run/report/moon_line_layout.h"

namespace velmorant {

namespace {

// The planning walk's instants summed up date by date. It follows the report's line layout to
// know which instants print a line; where the maximum degradation cuts a date short it keeps the
// walk going (the rest of the date prints nothing, as in the report) so that the whole grid is
// counted for Home's hours and the phase mark.
class CalendarOutput : public PlanningOutput {
  public:
    CalendarOutput(const RunParameters& params, std::vector<CalendarDay>& days)
        : params_(params),
          days_(days),
          layout_(params.OutputLines, params.IncrementMinutes, params.MaxDegradation) {}

    void StartMoonDay(const MoonReportDay& day) override;
    void SeeMoonInstant(const MoonInstantPlace& moon, const StationView& home) override;
    bool WriteMoonInstant(const MoonReportInstant& instant) override;
    void EndMoonDay() override;
    void StartFixedDay(const FixedObjectReportDay& /*day*/) override {}
    bool WriteFixedInstant(const FixedObjectReportInstant& /*instant*/) override { return false; }
    void EndFixedDay() override {}

  private:
    const RunParameters& params_;
    std::vector<CalendarDay>& days_;
    MoonLineLayout layout_;
    bool cut_ = false;  // the maximum degradation stopped the date's lines
    // Home's elevation window over the date's grid.
    int instantOfDay_ = 0;
    bool previousInside_ = false;
    int previousMinutes_ = 0;
    int homeMinutes_ = 0;
    // The mutual window being followed: grid instants counted over the whole run.
    long gridInstant_ = -1;        // the instant last seen
    long lastPrinted_ = -2;        // the instant of the last line printed
    long lastPrintedMinutes_ = 0;  // its minutes since 0000 of the first date
    std::size_t windowDay_ = 0;    // the date the open window started on
};

void CalendarOutput::StartMoonDay(const MoonReportDay& day) {
    CalendarDay summary;
    summary.Date = CalendarDate{day.Year, day.Month, day.Day};
    summary.DistanceKm = MoonDistanceKm(day.DayCursor, 0.0);
    summary.SunMoonAngleDeg =
        SunMoonAngleDeg(UtcDateTime{day.Year, day.Month, day.Day}, GeoSiteOf(params_.Home));
    if (params_.BothStations) {
        summary.WindowMinutes = 0;
    }
    days_.push_back(summary);
    layout_.StartDay();
    cut_ = false;
    instantOfDay_ = 0;
    previousInside_ = false;
    homeMinutes_ = 0;
}

void CalendarOutput::SeeMoonInstant(const MoonInstantPlace& moon, const StationView& home) {
    CalendarDay& day = days_.back();
    ++gridInstant_;
    if (instantOfDay_++ == 0) {
        day.DeclinationDeg = moon.Place.Declination * RadToDeg;
    }
    const int minutes = MinutesOfDay(moon.UtcHHMM);
    const bool inside = ElevationWindowPass(home.ElevationSingle, params_.Home);
    if (inside && previousInside_) {
        homeMinutes_ += minutes - previousMinutes_;
    }
    previousInside_ = inside;
    previousMinutes_ = minutes;
    if (day.PhaseMark.empty()) {
        const std::string_view mark =
            LunarPhaseMark(moon.Place.RightAscension, moon.SunRightAscension);
        if (mark.find("NM") != std::string_view::npos) {
            day.PhaseMark = "NM";
        } else if (mark.find("FM") != std::string_view::npos) {
            day.PhaseMark = "FM";
        }
    }
}

bool CalendarOutput::WriteMoonInstant(const MoonReportInstant& instant) {
    if (cut_) {
        return true;
    }
    if (layout_.Place(instant.DayFraction, instant.Degradation).Skipped) {
        cut_ = true;
        return true;
    }
    CalendarDay& day = days_.back();
    day.DegradationMin =
        std::min(day.DegradationMin.value_or(instant.Degradation), instant.Degradation);
    if (params_.BothStations) {
        const long minutes =
            static_cast<long>(days_.size() - 1) * 1440 + MinutesOfDay(instant.UtcHHMM);
        if (gridInstant_ == lastPrinted_ + 1) {
            *days_[windowDay_].WindowMinutes += static_cast<int>(minutes - lastPrintedMinutes_);
        } else {
            windowDay_ = days_.size() - 1;
        }
        lastPrinted_ = gridInstant_;
        lastPrintedMinutes_ = minutes;
    }
    return true;
}

void CalendarOutput::EndMoonDay() {
    // A date cut short has no end in the report: its closing line is not counted on the page.
    if (!cut_) {
        layout_.EndDay();
    }
    days_.back().HomeMinutes = homeMinutes_;
}

}  // namespace

std::vector<CalendarDay> PlanCalendar(const RunParameters& params,
                                      const SkyTemperatureTable& skyTemperatures) {
    std::vector<CalendarDay> days;
    CalendarOutput output(params, days);
    RunPlanning(params, skyTemperatures, output);
    return days;
}

}  // namespace velmorant
