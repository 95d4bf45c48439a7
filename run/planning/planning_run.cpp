// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/planning_run.h"

#include "core/series/activity_window.h"
#include "core/series/polarization.h"
#include "core/series/station_geometry.h"
#include "core/series/sun.h"
#include "run/instant_position.h"
#include "run/planning/moon_instant.h"
#include "run/planning/step_grid.h"
#include "run/planning/window_filters.h"
#include "run/report/planning_report.h"

namespace velmorant {

namespace {

class PlanningWalk {
  public:
    PlanningWalk(const RunParameters& params, const SkyTemperatureTable& table,
                 PlanningOutput& output, const PlanningProgress& progress)
        : p_(params),
          progress_(progress),
          table_(table),
          output_(output),
          instants_(DayInstants(params.IncrementMinutes)),
          bandMHz_(params.BandMHz),
          gmtLow_(params.GmtWindowLow),
          gmtHigh_(params.GmtWindowHigh) {}

    PlanningEnd Run();

  private:
    enum class InstantEnd { Next, SkipDay, Abandon };

    // The instants of one day, 0000 to 2400 at the increment: Next when the day ran to its end,
    // SkipDay when it was cut short, Abandon when the whole run ends.
    InstantEnd WalkDay(bool moon);
    InstantEnd MoonInstant(float utcHHMM);
    InstantEnd FixedInstant(float utcHHMM, float dayFraction);

    const RunParameters& p_;
    const PlanningProgress& progress_;
    const SkyTemperatureTable& table_;
    PlanningOutput& output_;
    const std::vector<float> instants_;
    const double bandMHz_;
    // The typed time window; the texts do not change while a planning run walks its dates.
    const float gmtLow_;
    const float gmtHigh_;

    float dayCursor_ = 0;
    MoonDistanceState distance_;
    double sunRightAscensionAt0h_ = 0;
    // Horizon coordinates persist from one instant to the next: a station that is not selected,
    // or an object in the zenith, keeps the values last computed (zero at the start of the run).
    StationView home_;
    StationView dx_;
};

PlanningEnd PlanningWalk::Run() {
    const bool moon = p_.IsMoon();
    if (moon) {
        WarmUpMoonDistance(distance_, p_.StartDayNumber);
    }
    for (const PlanningDate& planningDate : PlanningDates(p_)) {
        const CalendarDate& date = planningDate.Date;
        dayCursor_ = planningDate.DayCursor;
        if (progress_ && !progress_(date.Year, date.Month, date.Day)) {
            return PlanningEnd::Stopped;
        }
        if (moon) {
            MoonNoonDistance(distance_, dayCursor_);
            sunRightAscensionAt0h_ = SunPosition(dayCursor_, 0.0).RightAscension;
            output_.StartMoonDay(
                MoonReportDay{dayCursor_, date.Year, date.Month, date.Day, distance_});
        } else {
            output_.StartFixedDay(
                FixedObjectReportDay{dayCursor_, date.Year, date.Month, date.Day});
        }

        const InstantEnd dayEnd = WalkDay(moon);
        if (dayEnd == InstantEnd::Abandon) {
            return PlanningEnd::OneStationOnly;
        }
        if (dayEnd != InstantEnd::SkipDay) {
            if (moon) {
                output_.EndMoonDay();
            } else {
                output_.EndFixedDay();
            }
        }
    }
    return PlanningEnd::Completed;
}

PlanningWalk::InstantEnd PlanningWalk::WalkDay(bool moon) {
    for (const float utcHHMM : instants_) {
        const InstantEnd end =
            moon ? MoonInstant(utcHHMM) : FixedInstant(utcHHMM, DayFractionOf(utcHHMM));
        if (end == InstantEnd::Abandon || end == InstantEnd::SkipDay) {
            return end;
        }
    }
    return InstantEnd::Next;
}

PlanningWalk::InstantEnd PlanningWalk::MoonInstant(float utcHHMM) {
    const MoonInstantPlace moon =
        MoonInstantAt(dayCursor_, utcHHMM, distance_, sunRightAscensionAt0h_);
    const bool homePasses = !p_.DisplayHome || HomeFiltersPass(home_, p_, moon, gmtLow_, gmtHigh_);
    output_.SeeMoonInstant(moon, home_);
    if (!homePasses) {
        return InstantEnd::Next;
    }
    if (p_.DisplayDX && !DxFiltersPass(dx_, p_.DX, moon)) {
        return InstantEnd::Next;
    }

    const double rightAscension = moon.Place.RightAscension;
    const double declination = moon.Place.Declination;
    MoonReportInstant instant;
    instant.UtcHHMM = utcHHMM;
    instant.DayFraction = moon.DayFraction;
    instant.Home = home_;
    instant.DX = dx_;
    instant.PolarizationOffset = PolarizationOffset(home_.PolarizationAngle, dx_.PolarizationAngle);
    instant.RightAscension = rightAscension;
    const DegradationResult degradation = MoonDegradation(
        table_, distance_, moon.DayFraction, rightAscension, bandMHz_, p_.NoiseTemperature);
    instant.Degradation = degradation.Degradation;
    instant.SkyTemperature = degradation.SkyTemperature;
    instant.ActivityLetter =
        declination >= 0 ? ActivityWindowLetter(p_.Region, moon.GreenwichHourAngle, declination)
                         : ' ';
    instant.PhaseMark = LunarPhaseMark(rightAscension, moon.SunRightAscension);
    const TopocentricResult topo =
        HomeTopocentric(p_.Home, rightAscension, declination, moon.GreenwichHourAngle,
                        distance_.DistanceKm, moon.SiderealHours);
    instant.TopoDeclination = topo.Declination;
    instant.TopoGreenwichHourAngle = topo.GreenwichHourAngle;

    return output_.WriteMoonInstant(instant) ? InstantEnd::Next : InstantEnd::SkipDay;
}

PlanningWalk::InstantEnd PlanningWalk::FixedInstant(float utcHHMM, float dayFraction) {
    if (!GmtWindowPass(utcHHMM, gmtLow_, gmtHigh_)) {
        return InstantEnd::Next;
    }
    const EquatorialPlace place = FixedObjectPlace(p_, dayCursor_, dayFraction);
    const double rightAscension = place.RightAscension;
    const double declination = place.Declination;
    const double siderealHours = SiderealTime(dayCursor_, dayFraction);
    const double gha = GreenwichHourAngle(siderealHours, rightAscension);

    const bool atHome = p_.DisplayHome;
    const StationSite& site = atHome ? p_.Home : p_.DX;
    StationView& view = atHome ? home_ : dx_;
    HorizonPosition(view, GeoSiteOf(site), place, gha, std::nullopt);
    if (!AzimuthWindowPass(view.AzimuthSingle, p_.AzMinRad, p_.AzMaxRad, declination,
                           p_.Home.LatitudeRad) ||
        !ElevationWindowPass(view.ElevationSingle, site)) {
        return InstantEnd::Next;
    }

    FixedObjectReportInstant instant;
    instant.UtcHHMM = utcHHMM;
    instant.DayFraction = dayFraction;
    instant.View = view;
    instant.RightAscension = rightAscension;
    instant.Declination = declination;
    return output_.WriteFixedInstant(instant) ? InstantEnd::Next : InstantEnd::Abandon;
}

}  // namespace

PlanningEnd RunPlanning(const RunParameters& params, const SkyTemperatureTable& skyTemperatures,
                        PlanningOutput& output, const PlanningProgress& progress) {
    PlanningWalk walk(params, skyTemperatures, output, progress);
    return walk.Run();
}

PlanningEnd RunPlanning(const RunParameters& params, const SkyTemperatureTable& skyTemperatures,
                        ReportSink& report, const PlanningProgress& progress) {
    PlanningReport output(params, report);
    return RunPlanning(params, skyTemperatures, output, progress);
}

}  // namespace velmorant
