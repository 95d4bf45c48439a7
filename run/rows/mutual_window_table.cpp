// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/rows/mutual_window_table.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/common/constants.h"
#include "core/common/numeric.h"

namespace velmorant {

namespace {

// A grid instant as a date and a UTC time of day, 2400 carried to 00:00 of the next date.
struct UtcInstant {
    std::string Date;  // YYYY-MM-DD
    std::string Time;  // HH:MM
};

UtcInstant UtcOf(const GridInstant& instant) {
    float hhmm = instant.UtcHHMM;
    CalendarDate date = instant.Date;
    if (hhmm >= 2400) {
        hhmm -= 2400;
        date = NextDay(date);
    }
    return UtcInstant{IsoDateText(date.Year, date.Month, date.Day), UtcClockText(hhmm)};
}

double Degrees(double radians) {
    return radians * (360.0 / TwoPi);
}

std::vector<std::string> Columns(bool spreadColumn) {
    std::vector<std::string> columns = {"dx_callsign",
                                        "dx_locator",
                                        "start_date",
                                        "start_utc",
                                        "end_date",
                                        "end_utc",
                                        "length_min",
                                        "home_azimuth_start_deg",
                                        "home_azimuth_end_deg",
                                        "home_elevation_max_deg",
                                        "dx_elevation_max_deg",
                                        "degradation_min_db"};
    if (spreadColumn) {
        columns.emplace_back("dx_spread_min_hz");
    }
    return columns;
}

}  // namespace

MutualWindowTable::MutualWindowTable(ReportSink& sink, WindowsFormat format, bool spreadColumn)
    : sink_(sink), format_(format), spreadColumn_(spreadColumn) {
    if (format != WindowsFormat::Text) {
        rows_.emplace(sink, format == WindowsFormat::Csv ? DataFormat::Csv : DataFormat::Json,
                      Columns(spreadColumn));
    }
}

void MutualWindowTable::WriteTextHeader() {
    if (headerWritten_) {
        return;
    }
    headerWritten_ = true;
    const bool spread = spreadColumn_;
    sink_.WriteLine(std::string("DX           LOCATOR  START             END                  MIN  "
                                "HOME AZIMUTH   MAX ELEVATION  MIN") +
                    (spread ? "  MIN SPREAD" : ""));
    sink_.WriteLine(std::string("                      DATE       UTC    DATE       UTC           "
                                "   START    END   HOME     DX   DB") +
                    (spread ? "          HZ" : ""));
    sink_.WriteLine(std::string("============ ======== ========== =====  ========== =====  ======  "
                                "====== ======  ====== ======  ====") +
                    (spread ? "  ==========" : ""));
}

void MutualWindowTable::Write(const MutualWindow& window, const StationSite& station) {
    const UtcInstant start = UtcOf(window.Start);
    const UtcInstant end = UtcOf(window.End);
    if (rows_) {
        // Field by field: a pass writes hundreds of thousands of rows.
        rows_->BeginRow();
        for (const std::string* text : {&station.Callsign, &station.Locator, &start.Date,
                                        &start.Time, &end.Date, &end.Time}) {
            rows_->Text(*text);
        }
        for (const double number :
             {static_cast<double>(window.LengthMinutes), Degrees(window.HomeAzimuthStart),
              Degrees(window.HomeAzimuthEnd), Degrees(window.HomeElevationMax),
              Degrees(window.DxElevationMax), double{window.DegradationMin}}) {
            rows_->Number(number);
        }
        if (spreadColumn_) {
            rows_->Number(window.DxSpreadMinHz.value_or(0.0));
        }
        rows_->EndRow();
        return;
    }
    WriteTextHeader();
    // Angles as the report rounds them: half up to 0.1 degree; the degradation to 0.1 dB.
    char line[176];
    std::snprintf(line, sizeof line,
                  "%-12.12s %-8.8s %s %s  %s %s  %6d  %6.1f %6.1f  %6.1f %6.1f  %4.1f",
                  station.Callsign.c_str(), station.Locator.c_str(), start.Date.c_str(),
                  start.Time.c_str(), end.Date.c_str(), end.Time.c_str(), window.LengthMinutes,
                  static_cast<double>(RoundedDegrees(window.HomeAzimuthStart)),
                  static_cast<double>(RoundedDegrees(window.HomeAzimuthEnd)),
                  static_cast<double>(RoundedDegrees(window.HomeElevationMax)),
                  static_cast<double>(RoundedDegrees(window.DxElevationMax)),
                  RoundToStep(window.DegradationMin, 10));
    std::string text = line;
    if (spreadColumn_) {
        char spread[16];
        std::snprintf(spread, sizeof spread, "  %10.1f", window.DxSpreadMinHz.value_or(0.0));
        text += spread;
    }
    sink_.WriteLine(text);
}

void MutualWindowTable::Finish() {
    if (rows_) {
        rows_->Finish();
    } else {
        WriteTextHeader();
    }
}

}  // namespace velmorant
