// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/fixed_object_report.h"

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "run/report/report_fields.h"
#include "velmorant/version.h"

namespace velmorant {

void FixedObjectReport::StartDay(const FixedObjectReportDay& day) {
    day_ = day;
    lastLineDayFraction_ = 2;
    linesSinceHeader_ = 0;
}

bool FixedObjectReport::CountAndCheckPage(int lines) {
    if (!pager_.Count(lines)) {
        return true;
    }
    // The new page's header serves the pending line and those that follow it.
    pager_.NewPage(6);
    if (!WriteHeader()) {
        return false;
    }
    linesSinceHeader_ = 1;
    pager_.Count(lines);
    return true;
}

bool FixedObjectReport::WriteInstant(const FixedObjectReportInstant& instant) {
    if (++linesSinceHeader_ <= 1) {
        if (pager_.Count(6)) {
            pager_.NewPage(6);
        }
        if (!WriteHeader()) {
            return false;
        }
    }
    const float gap = static_cast<float>(instant.DayFraction - lastLineDayFraction_);
    const float step = 1.5f * static_cast<float>(params_.IncrementMinutes) / 1440.0f;
    if (gap > step) {
        if (!CountAndCheckPage(1)) {
            return false;
        }
        pager_.WriteEmpty();
    }
    lastLineDayFraction_ = instant.DayFraction;
    if (!CountAndCheckPage(1)) {
        return false;
    }

    ReportLine line;
    line.Write(HhmmText(instant.UtcHHMM));
    line.Tab(9).Write(AngleText(instant.View.AzimuthSingle));
    line.Tab(18).Write(AngleText(instant.View.ElevationSingle));
    if (params_.SunSelected) {
        line.Tab(26).Write(AngleText(instant.Declination));
        const double hoursExact = instant.RightAscension * 24.0 / TwoPi + 0.000347222;
        const double hours = Int(hoursExact);
        const double minutes = Int((hoursExact - hours) * 60.0);
        line.Tab(34).Write(RightAlign(FormatFixed(hours, 0), 2)).Write("H ");
        line.Write(RightAlign(FormatFixed(minutes, 0), 2)).Write("M");
    }
    pager_.Write(line);
    return true;
}

void FixedObjectReport::EndDay() {
    if (!printedToday_) {
        return;
    }
    pager_.WriteDayEnd();
    printedToday_ = false;
}

bool FixedObjectReport::WriteHeader() {
    printedToday_ = true;
    if (params_.DisplayHome && params_.DisplayDX) {
        return false;
    }
    const StationSite& shown = params_.DisplayHome ? params_.Home : params_.DX;

    ReportLine first;
    first.Write(MonthAbbrev(day_.Month)).Write(RightAlign(FormatWhole(day_.Day), 3)).Write(",");
    first.Write(RightAlign(FormatWhole(day_.Year), 5));
    first.Tab(25).Write("Position of ").Write(params_.CelestialName).Write(" from ");
    first.Write(shown.Callsign);
    first.Tab(65).Write(DmsText(shown.Latitude, true));
    pager_.Write(first);

    ReportLine second;
    second.Write(DayOfWeekName(day_.DayCursor)).Tab(30).Write(params_.ObjectCaption);
    second.Tab(65).Write(DmsText(shown.Longitude, false));
    pager_.Write(second);

    ReportLine third;
    third.Write("JD:").Write(NumberItem(day_.DayCursor + kDayNumberJulianDate));
    third.Tab(25).Write("(Prepared by VELMORANT V").Write(kVersion).Write(")");
    third.Tab(68).Write("(QTH:").Write(shown.Locator).Write(")");
    pager_.Write(third);

    pager_.WriteEmpty();

    ReportLine fifth;
    ReportLine sixth;
    fifth.Write("UTC").Tab(7).Write(" AZIMUTH    ELEV  ");
    sixth.Write("====").Tab(7).Write(" =======    ====  ");
    if (params_.SunSelected) {
        fifth.Write("   DEC    RT ASCN");
        sixth.Write("  =====   =======");
    }
    pager_.Write(fifth);
    pager_.Write(sixth);
    return true;
}

}  // namespace velmorant
