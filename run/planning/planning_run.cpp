#include "run/planning/planning_run.h"

#include "core/activity_window.h"
#include "core/calendar.h"
#include "core/horizon.h"
#include "core/moon.h"
#include "core/numeric.h"
#include "core/polarization.h"
#include "core/station_geometry.h"
#include "core/sun.h"
#include "run/instant_position.h"
#include "run/leading_number.h"
#include "run/planning/window_filters.h"
#include "run/report/fixed_object_report.h"
#include "run/report/moon_report.h"
#include "run/report/report_pager.h"

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

bool WithinElevationWindow(const StationView& view, const StationSite& site) {
    return view.ElevationSingle >= site.AboveRad && view.ElevationSingle <= site.BelowRad;
}

class PlanningWalk {
  public:
    PlanningWalk(const RunParameters& params, const SkyTemperatureTable& table, ReportSink& sink,
                 const PlanningProgress& progress)
        : p_(params),
          progress_(progress),
          table_(table),
          pager_(sink, params.OutputLines),
          moonReport_(params, pager_),
          fixedReport_(params, pager_),
          bandMHz_(LeadingNumber(params.Band)),
          gmtLow_(static_cast<float>(LeadingNumber(params.GmtMinText))),
          gmtHigh_(static_cast<float>(LeadingNumber(params.GmtMaxText))) {}

    PlanningEnd Run();

  private:
    enum class InstantEnd { Next, SkipDay, Abandon };

    // The instants of one day, 0000 to 2400 at the increment: Next when the day ran to its end,
    // SkipDay when it was cut short, Abandon when the whole run ends.
    InstantEnd WalkDay(bool moon);
    InstantEnd MoonInstant(float utcHHMM, float dayFraction);
    InstantEnd FixedInstant(float utcHHMM, float dayFraction);

    const RunParameters& p_;
    const PlanningProgress& progress_;
    const SkyTemperatureTable& table_;
    ReportPager pager_;
    MoonReport moonReport_;
    FixedObjectReport fixedReport_;
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
    CalendarDate date{p_.YearStart, p_.MonthStart, p_.DayStart};
    dayCursor_ = p_.StartDayNumber;

    if (moon) {
        WarmUpMoonDistance(distance_, p_.StartDayNumber);
    }

    for (;;) {
        if (progress_ && !progress_(date.Year, date.Month, date.Day)) {
            return PlanningEnd::Stopped;
        }
        if (moon) {
            MoonNoonDistance(distance_, dayCursor_);
            sunRightAscensionAt0h_ = SunPosition(dayCursor_, 0.0).RightAscension;
            moonReport_.StartDay(
                MoonReportDay{dayCursor_, date.Year, date.Month, date.Day, distance_});
        } else {
            fixedReport_.StartDay(
                FixedObjectReportDay{dayCursor_, date.Year, date.Month, date.Day});
        }

        const InstantEnd dayEnd = WalkDay(moon);
        if (dayEnd == InstantEnd::Abandon) {
            return PlanningEnd::OneStationOnly;
        }
        if (dayEnd != InstantEnd::SkipDay) {
            if (moon) {
                moonReport_.EndDay();
            } else {
                fixedReport_.EndDay();
            }
        }
        dayCursor_ += 1.0f;
        date = NextDay(date);
        // Removes any drift of the single-precision day counter.
        dayCursor_ = static_cast<float>(RoundToStep(dayCursor_, 10));
        if (dayCursor_ - p_.EndDayNumber > 0.5f) {
            return PlanningEnd::Completed;
        }
    }
}

PlanningWalk::InstantEnd PlanningWalk::WalkDay(bool moon) {
    // A planning day always runs from 0000 to 2400; the typed time window is a filter.
    constexpr float windowEnd = 2400.0f;
    float utcHHMM = 0.0f;
    for (;;) {
        const double beyond = ClockMinutes(utcHHMM) - ClockMinutes(windowEnd);
        if (beyond > 0) {
            if (beyond >= p_.IncrementMinutes) {
                return InstantEnd::Next;
            }
            // The end of the window is computed even when the step does not land on it.
            utcHHMM = windowEnd;
        }
        const float dayFraction = DayFractionOf(utcHHMM);
        const InstantEnd end =
            moon ? MoonInstant(utcHHMM, dayFraction) : FixedInstant(utcHHMM, dayFraction);
        if (end == InstantEnd::Abandon || end == InstantEnd::SkipDay) {
            return end;
        }
        utcHHMM = NextInstant(utcHHMM, p_.IncrementMinutes);
    }
}

PlanningWalk::InstantEnd PlanningWalk::MoonInstant(float utcHHMM, float dayFraction) {
    const MoonEquatorial moon = MoonPosition(dayCursor_, dayFraction);
    const double sunRightAscension = SampledSunRightAscension(sunRightAscensionAt0h_, dayFraction);
    const double siderealHours = SiderealTime(dayCursor_, dayFraction);
    const double gha = GreenwichHourAngle(siderealHours, moon.RightAscension);

    if (p_.DisplayHome) {
        StationViewWithPolarization(home_, p_.Home, {moon.RightAscension, moon.Declination}, gha,
                                    distance_.DistanceKm);
        if (!GmtWindowPass(utcHHMM, gmtLow_, gmtHigh_) ||
            !AzimuthWindowPass(home_.AzimuthSingle, p_.AzMinRad, p_.AzMaxRad, moon.Declination,
                               p_.Home.LatitudeRad) ||
            !WithinElevationWindow(home_, p_.Home)) {
            return InstantEnd::Next;
        }
    }
    if (p_.DisplayDX) {
        StationViewWithPolarization(dx_, p_.DX, {moon.RightAscension, moon.Declination}, gha,
                                    distance_.DistanceKm);
        if (!WithinElevationWindow(dx_, p_.DX)) {
            return InstantEnd::Next;
        }
    }

    MoonReportInstant instant;
    instant.UtcHHMM = utcHHMM;
    instant.DayFraction = dayFraction;
    instant.Home = home_;
    instant.DX = dx_;
    instant.PolarizationOffset = PolarizationOffset(home_.PolarizationAngle, dx_.PolarizationAngle);
    instant.RightAscension = moon.RightAscension;
    const DegradationResult degradation = MoonDegradation(
        table_, distance_, dayFraction, moon.RightAscension, bandMHz_, p_.NoiseTemperature);
    instant.Degradation = degradation.Degradation;
    instant.SkyTemperature = degradation.SkyTemperature;
    instant.ActivityLetter =
        moon.Declination >= 0 ? ActivityWindowLetter(p_.Region, gha, moon.Declination) : ' ';
    instant.PhaseMark = LunarPhaseMark(moon.RightAscension, sunRightAscension);
    const TopocentricResult topo = HomeTopocentric(p_.Home, moon.RightAscension, moon.Declination,
                                                   gha, distance_.DistanceKm, siderealHours);
    instant.TopoDeclination = topo.Declination;
    instant.TopoGreenwichHourAngle = topo.GreenwichHourAngle;

    return moonReport_.WriteInstant(instant) ? InstantEnd::Next : InstantEnd::SkipDay;
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
        view.ElevationSingle < site.AboveRad || view.ElevationSingle > site.BelowRad) {
        return InstantEnd::Next;
    }

    FixedObjectReportInstant instant;
    instant.UtcHHMM = utcHHMM;
    instant.DayFraction = dayFraction;
    instant.View = view;
    instant.RightAscension = rightAscension;
    instant.Declination = declination;
    return fixedReport_.WriteInstant(instant) ? InstantEnd::Next : InstantEnd::Abandon;
}

}  // namespace

PlanningEnd RunPlanning(const RunParameters& params, const SkyTemperatureTable& skyTemperatures,
                        ReportSink& report, const PlanningProgress& progress) {
    PlanningWalk walk(params, skyTemperatures, report, progress);
    return walk.Run();
}

}  // namespace velmorant
