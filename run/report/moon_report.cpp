// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/moon_report.h"

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "run/leading_number.h"
#include "run/report/report_fields.h"
#include "velmorant/version.h"

namespace velmorant {

namespace {

// An angle as the report shows it: rounded half up to 0.1 degree, one decimal, five columns.
ReportLine& WriteAngle(ReportLine& line, double radians) {
    NumberText text;
    return line.WriteRightAligned(FormatFixedInto(text, RoundedDegrees(radians), 1), 5);
}

// A number with the given decimals, right-aligned in `width` columns.
ReportLine& WriteNumber(ReportLine& line, double value, int decimals, int width) {
    NumberText text;
    return line.WriteRightAligned(FormatFixedInto(text, value, decimals), width);
}

}  // namespace

void MoonReport::StartDay(const MoonReportDay& day) {
    day_ = day;
    layout_.StartDay();
}

bool MoonReport::WriteInstant(const MoonReportInstant& instant) {
    const MoonLinePlacement placement = layout_.Place(instant.DayFraction, instant.Degradation);
    if (placement.DayHeader || placement.PageBeforeGap) {
        WriteHeader();
    }
    if (placement.Gap) {
        pager_.WriteEmpty();
    }
    if (placement.Skipped) {
        return false;
    }
    if (placement.PageBeforeLine) {
        WriteHeader();
    }
    WriteLine(instant);
    return true;
}

void MoonReport::WriteLine(const MoonReportInstant& instant) {
    // One line object serves every report line: it keeps its memory from line to line.
    ReportLine& line = line_;
    line.Clear();
    line.Write(HhmmText(instant.UtcHHMM)).Tab(7).Write(instant.PhaseMark);
    line.Tab(17).Write(std::string_view(&instant.ActivityLetter, 1));
    if (params_.BothStations) {
        WriteAngle(line.Tab(20), instant.Home.AzimuthSingle);
        WriteAngle(line.Tab(28), instant.Home.ElevationSingle);
        WriteAngle(line.Tab(36), instant.TopoDeclination).Write("  ");
        WriteAngle(line.Tab(44), instant.DX.AzimuthSingle);
        WriteAngle(line.Tab(50), instant.DX.ElevationSingle);
        WriteNumber(line.Tab(56), instant.PolarizationOffset, 0, 3);
    } else {
        const StationView& view = params_.DisplayHome ? instant.Home : instant.DX;
        WriteAngle(line.Tab(20), view.AzimuthSingle);
        WriteAngle(line.Tab(28), view.ElevationSingle);
        WriteAngle(line.Tab(37), instant.TopoGreenwichHourAngle);
        WriteAngle(line.Tab(45), instant.TopoDeclination);
        const double hoursExact = instant.RightAscension * 24.0 / TwoPi + 0.000347222;
        const double hours = Int(hoursExact);
        const double minutes = Int((hoursExact - hours) * 60.0);
        line.Tab(52).Write(FormatWhole(hours) + "H").Write(" ").Write(FormatWhole(minutes) + "M");
    }
    // A new-moon line would first ask whether the Sun is below the horizon; the answer is taken
    // from the Moon's elevations, which already passed the same window, so the degradation is
    // always printed.
    line.Tab(62).Write(FormatWholeBlankZero(instant.SkyTemperature));
    WriteNumber(line.Tab(70), RoundToStep(instant.Degradation, 10), 1, 6);
    pager_.Write(line);
}

void MoonReport::EndDay() {
    if (layout_.EndDay()) {
        pager_.WriteEmpty();
    }
}

// The day header's six lines, column by column as the report lays them out: long because the
// layout is a table written out, not because it decides much.
void MoonReport::WriteHeader() {
    const bool both = params_.BothStations;
    const StationSite& shown = params_.DisplayDX ? params_.DX : params_.Home;
    double range = day_.Distance.DistanceKm;
    if (params_.Units == DistanceUnit::Miles) {
        range = range * 3.0 / 5.0;
    }

    ReportLine first;
    first.Write(MonthAbbrev(day_.Month)).Write(" ").Write(FormatWhole(day_.Day)).Write(",");
    first.Write(FormatWhole(day_.Year));
    first.Tab(15).Write(DmsText(shown.Latitude, true));
    first.Tab(37).Write("MOON POSITION");
    first.Tab(61).Write("RANGE:  ").Write(FormatGroupedWhole(range)).Write(" ");
    first.Write(params_.UnitsLabel);
    pager_.Write(first);

    ReportLine second;
    second.Write(DayOfWeekName(day_.DayCursor));
    second.Tab(15).Write(DmsText(shown.Longitude, false));
    second.Tab(31).Write("(PREPARED BY VELMORANT V").Write(kVersion).Write(")");
    second.Tab(61).Write(day_.Distance.TurnMark);
    second.Tab(63).Write(FormatDays(day_.Distance.DaysSinceTurn));
    second.Tab(71).Write(FormatTwoDecimals(RoundToStep(day_.Distance.SemiDiameterArcmin, 100)));
    second.Write("'SD");
    pager_.Write(second);

    ReportLine third;
    third.Write("JD:").Write(NumberItem(day_.DayCursor + kDayNumberJulianDate));
    if (!shown.Notes.empty()) {
        third.Write(" ").Write(shown.Callsign).Write(" NOTES: ").Write(" ");
        third.Write(FirstCharacters(shown.Notes, 51));
    }
    pager_.Write(third);

    ReportLine fourth;
    if (both) {
        fourth.Write("DX:").Write(FormatGroupedOneDecimal(params_.DxDistance)).Write(" ");
        fourth.Write(params_.UnitsLabel);
        fourth.Tab(18).Write("(" + params_.DX.Callsign + " in " + params_.DX.Locator + ")");
        fourth.Tab(41).Write("(" + params_.Home.Callsign + " in " + params_.Home.Locator + ")");
    } else {
        fourth.Tab(18).Write("(" + shown.Callsign + " in " + shown.Locator + ")");
    }
    fourth.Tab(61).Write("APPROX").Tab(69).Write(BandText(params_.Band)).Tab(74).Write("MHZ DB");
    pager_.Write(fourth);

    ReportLine fifth;
    ReportLine sixth;
    if (both) {
        fifth.Write("UTC").Tab(8).Write("NOTES").Tab(17).Write("W AZIMUTH").Tab(29).Write("ELEV");
        fifth.Tab(37).Write("DEC").Tab(43).Write("AZIMUTH").Tab(51).Write("ELEV");
        fifth.Tab(56).Write("POL");
        sixth.Write("====").Tab(7).Write("========").Tab(17).Write("= =======");
        sixth.Tab(28).Write("======").Tab(36).Write("=====").Tab(43).Write("=======");
        sixth.Tab(51).Write("====").Tab(56).Write("===");
    } else {
        fifth.Write("UTC").Tab(8).Write("NOTES").Tab(17).Write("W AZIMUTH").Tab(29).Write("ELEV");
        fifth.Tab(38).Write("GHA").Tab(46).Write("DEC").Tab(52).Write("RT ASCN");
        sixth.Write("====").Tab(7).Write("========").Tab(17).Write("= =======");
        sixth.Tab(28).Write("======").Tab(36).Write(" ===== ").Tab(45).Write("=====");
        sixth.Tab(52).Write("=======");
    }
    fifth.Tab(61).Write("SKY ").Write(kDegreeSign).Write("K  DEGRADATION");
    sixth.Tab(61).Write("======  ===========");
    pager_.Write(fifth);
    pager_.Write(sixth);
}

}  // namespace velmorant
