// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>

#include "core/calendar.h"
#include "core/constants.h"

namespace velmorant {

namespace {

enum Column { kDx, kLocator, kStart, kEnd, kMinutes };

// A grid instant as whole minutes since 1970-01-01 0h UTC: 2400 of a date is 0000 of the next.
std::int32_t UtcMinutes(const GridInstant& instant) {
    const long hhmm = std::lround(instant.UtcHHMM);
    const std::int64_t day = DaysSince1970(instant.Date.Year, instant.Date.Month, instant.Date.Day);
    return static_cast<std::int32_t>(day * 1440 + hhmm / 100 * 60 + hhmm % 100);
}

std::int64_t DayOf(std::int64_t minutes) {
    return minutes >= 0 ? minutes / 1440 : (minutes - 1439) / 1440;
}

GridInstant InstantOf(std::int64_t minutes) {
    const std::int64_t day = DayOf(minutes);
    const auto minute = static_cast<int>(minutes - day * 1440);
    return GridInstant{DateFromDaysSince1970(day),
                       static_cast<float>(minute / 60 * 100 + minute % 60)};
}

std::string UtcText(std::int64_t minutes) {
    const std::int64_t day = DayOf(minutes);
    const auto minute = static_cast<long>(minutes - day * 1440);
    const CalendarDate date = DateFromDaysSince1970(day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02ld:%02ld", date.Year, date.Month, date.Day,
                  minute / 60, minute % 60);
    return text;
}

std::int64_t EndMinutes(const WindowsTableRow& row) {
    return std::int64_t{row.StartMinutes} + row.LengthMinutes;
}

double Degrees(double radians) {
    return radians * (360.0 / TwoPi);
}

// The number a column of the row holds, for the columns that hold one.
double NumberAt(const WindowsTableRow& row, int column) {
    switch (column) {
        case kMinutes:
            return row.LengthMinutes;
        case kMinutes + 1:
            return Degrees(row.HomeAzimuthStart);
        case kMinutes + 2:
            return Degrees(row.HomeAzimuthEnd);
        case kMinutes + 3:
            return Degrees(row.HomeElevationMax);
        case kMinutes + 4:
            return Degrees(row.DxElevationMax);
        default:
            return row.DegradationMin;
    }
}

WindowsTableCell Number(double value, const char* pattern) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return WindowsTableCell{text, value};
}

// Each station's place among the stations ordered by the column's text (equal texts, equal
// places): rows then sort by a number, not by comparing texts a million times.
std::vector<std::uint32_t> TextRanks(std::span<const StationRecord> stations, int column) {
    const auto text = [&](std::uint32_t s) -> const std::string& {
        return column == kDx ? stations[s].Callsign : stations[s].Locator;
    };
    std::vector<std::uint32_t> byText(stations.size());
    std::iota(byText.begin(), byText.end(), 0U);
    std::sort(byText.begin(), byText.end(),
              [&](std::uint32_t a, std::uint32_t b) { return text(a) < text(b); });
    std::vector<std::uint32_t> ranks(stations.size());
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && text(byText[i - 1]) != text(byText[i])) {
            ++rank;
        }
        ranks[byText[i]] = rank;
    }
    return ranks;
}

}  // namespace

WindowsTableRow TableRowOf(const MutualWindow& window) {
    return WindowsTableRow{static_cast<std::uint32_t>(window.Station),
                           UtcMinutes(window.Start),
                           window.LengthMinutes,
                           window.HomeAzimuthStart,
                           window.HomeAzimuthEnd,
                           window.HomeElevationMax,
                           window.DxElevationMax,
                           window.DegradationMin};
}

MutualWindow WindowOf(const WindowsTableRow& row) {
    MutualWindow window;
    window.Station = row.Station;
    window.Start = InstantOf(row.StartMinutes);
    window.End = InstantOf(EndMinutes(row));
    window.LengthMinutes = row.LengthMinutes;
    window.HomeAzimuthStart = row.HomeAzimuthStart;
    window.HomeAzimuthEnd = row.HomeAzimuthEnd;
    window.HomeElevationMax = row.HomeElevationMax;
    window.DxElevationMax = row.DxElevationMax;
    window.DegradationMin = row.DegradationMin;
    return window;
}

std::vector<std::string> WindowsTableHeadings() {
    return {"DX",          "Locator",     "Start (UTC)", "End (UTC)", "Minutes", "Home Az start",
            "Home Az end", "Max El Home", "Max El DX",   "Min dB"};
}

WindowsTableCell WindowsTableCellAt(const WindowsTableRow& row, const StationRecord& station,
                                    int column) {
    switch (column) {
        case kDx:
            return WindowsTableCell{station.Callsign, std::nullopt};
        case kLocator:
            return WindowsTableCell{station.Locator, std::nullopt};
        case kStart:
            return WindowsTableCell{UtcText(row.StartMinutes), std::nullopt};
        case kEnd:
            return WindowsTableCell{UtcText(EndMinutes(row)), std::nullopt};
        case kMinutes:
            return Number(NumberAt(row, column), "%.0f");
        default:
            return Number(NumberAt(row, column), "%.1f");
    }
}

void SortWindowsTable(std::vector<std::uint32_t>& order, std::span<const WindowsTableRow> rows,
                      std::span<const StationRecord> stations, int column, bool ascending) {
    // Each row's key beside it, in the order shown: the sort then reads no row twice.
    std::vector<std::pair<double, std::uint32_t>> keyed(order.size());
    if (column == kDx || column == kLocator) {
        const std::vector<std::uint32_t> ranks = TextRanks(stations, column);
        for (std::size_t i = 0; i < order.size(); ++i) {
            keyed[i] = {ranks[rows[order[i]].Station], order[i]};
        }
    } else if (column == kStart || column == kEnd) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            const WindowsTableRow& row = rows[order[i]];
            const std::int64_t minutes = column == kStart ? row.StartMinutes : EndMinutes(row);
            keyed[i] = {static_cast<double>(minutes), order[i]};
        }
    } else {
        for (std::size_t i = 0; i < order.size(); ++i) {
            keyed[i] = {NumberAt(rows[order[i]], column), order[i]};
        }
    }
    const auto byKey = [ascending](const auto& a, const auto& b) {
        return ascending ? a.first < b.first : b.first < a.first;
    };
    std::stable_sort(keyed.begin(), keyed.end(), byKey);
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = keyed[i].second;
    }
}

}  // namespace velmorant
