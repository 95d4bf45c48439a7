// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window/windows_table.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>

#include "core/common/calendar.h"
#include "core/common/constants.h"

namespace velmorant {

namespace {

enum Column { kDx, kLocator, kStart, kEnd, kMinutes, kDegradation = kWindowsTableColumns - 1 };

// A grid instant as whole minutes since 1970-01-01 0h UTC: 2400 of a date is 0000 of the next.
std::int32_t UtcMinutes(const GridInstant& instant) {
    const long hhmm = std::lround(instant.UtcHHMM);
    const std::int64_t day = DaysSince1970(instant.Date.Year, instant.Date.Month, instant.Date.Day);
    return static_cast<std::int32_t>(day * 1440 + hhmm / 100 * 60 + hhmm % 100);
}

std::int32_t EndMinutes(const MutualWindow& window) {
    return UtcMinutes(window.Start) + window.LengthMinutes;
}

std::string UtcText(std::int64_t minutes) {
    const std::int64_t day = minutes >= 0 ? minutes / 1440 : (minutes - 1439) / 1440;
    const auto minute = static_cast<long>(minutes - day * 1440);
    const CalendarDate date = DateFromDaysSince1970(day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02ld:%02ld", date.Year, date.Month, date.Day,
                  minute / 60, minute % 60);
    return text;
}

double Degrees(double radians) {
    return radians * (360.0 / TwoPi);
}

// The window's own value under one of the columns from the Home azimuth at start on (radians,
// or dB for the degradation).
float FieldAt(const MutualWindow& window, int column) {
    switch (column) {
        case kMinutes + 1:
            return window.HomeAzimuthStart;
        case kMinutes + 2:
            return window.HomeAzimuthEnd;
        case kMinutes + 3:
            return window.HomeElevationMax;
        case kMinutes + 4:
            return window.DxElevationMax;
        default:
            return window.DegradationMin;
    }
}

// The number a column of the window holds, for the columns that hold one.
double NumberAt(const MutualWindow& window, int column) {
    if (column == kMinutes) {
        return window.LengthMinutes;
    }
    return column == kDegradation ? FieldAt(window, column) : Degrees(FieldAt(window, column));
}

WindowsTableCell Number(double value, const char* pattern) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return WindowsTableCell{text, value};
}

// Each station's place among the stations ordered by `text` (equal texts, equal places): rows
// then sort by a number, not by comparing texts a million times.
template <typename Text>
std::vector<std::uint32_t> TextRanks(std::size_t count, const Text& text) {
    std::vector<std::uint32_t> byText(count);
    std::iota(byText.begin(), byText.end(), 0U);
    std::sort(byText.begin(), byText.end(),
              [&](std::uint32_t a, std::uint32_t b) { return text(a) < text(b); });
    std::vector<std::uint32_t> ranks(count);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < byText.size(); ++i) {
        if (i > 0 && text(byText[i - 1]) != text(byText[i])) {
            ++rank;
        }
        ranks[byText[i]] = rank;
    }
    return ranks;
}

// Keys of 32 bits whose unsigned order is the order of the values. The degree columns sort by
// their radians: a float times a positive double constant keeps its order and its ties.
constexpr std::uint32_t kSignBit = 0x80000000U;

std::uint32_t OrderedKey(std::int32_t value) {
    return static_cast<std::uint32_t>(value) ^ kSignBit;
}

std::uint32_t OrderedKey(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value + 0.0f);  // -0 as +0: equal numbers
    return (bits & kSignBit) != 0 ? ~bits : bits | kSignBit;
}

// The place before a sort of the row that goes to place i: the low half of its packed number.
std::size_t PlaceBefore(std::uint64_t packed) {
    return static_cast<std::size_t>(packed & 0xffff'ffffU);
}

// Moves each row to its place after the sort. `sorted` holds the packed numbers in sorted
// order; the rows move along the permutation's cycles, with no second copy of the rows, and
// `sorted` is used up.
void MoveRows(std::vector<WindowsTableRow>& rows, std::vector<std::uint64_t>& sorted) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (PlaceBefore(sorted[i]) == i) {
            continue;  // in place, or moved already
        }
        const WindowsTableRow first = rows[i];
        std::size_t to = i;
        for (;;) {
            const std::size_t from = PlaceBefore(sorted[to]);
            sorted[to] = to;
            if (from == i) {
                rows[to] = first;
                break;
            }
            rows[to] = rows[from];
            to = from;
        }
    }
}

// Each followed place before the sort replaced by the place after it.
void Follow(const std::vector<std::uint64_t>& sorted, std::span<std::size_t> followed) {
    if (followed.empty()) {
        return;
    }
    std::vector<std::pair<std::size_t, std::size_t>> before;  // (place, slot of followed)
    for (std::size_t slot = 0; slot < followed.size(); ++slot) {
        before.emplace_back(followed[slot], slot);
    }
    std::sort(before.begin(), before.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const std::size_t place = PlaceBefore(sorted[i]);
        auto at = std::lower_bound(before.begin(), before.end(), std::pair{place, std::size_t{0}});
        for (; at != before.end() && at->first == place; ++at) {
            followed[at->second] = i;
        }
    }
}

// Sorts the rows by key(row), an ordered key, rows of equal keys keeping their order: each row's
// key and place packed into one number (key high, place low), so that a plain in-place sort of
// 8 bytes a row is stable.
template <typename Key>
void SortByKey(std::vector<WindowsTableRow>& rows, const Key& key, bool ascending,
               std::span<std::size_t> followed) {
    std::vector<std::uint64_t> packed(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::uint32_t k = ascending ? key(rows[i]) : ~key(rows[i]);
        packed[i] = std::uint64_t{k} << 32 | i;
    }
    std::sort(packed.begin(), packed.end());
    Follow(packed, followed);
    MoveRows(rows, packed);
}

}  // namespace

WindowsTableRow TableRowOf(const MutualWindow& window) {
    return WindowsTableRow{static_cast<std::uint32_t>(window.Station),
                           static_cast<std::uint32_t>(window.First),
                           static_cast<std::uint32_t>(window.Last), window.DxElevationMax};
}

MutualWindow WindowOf(const WindowsTableRow& row, const WindowGrid& grid) {
    return grid.WindowOf(row.Station, row.First, row.Last, row.DxElevationMax);
}

std::vector<std::string> WindowsTableHeadings() {
    return {"DX",          "Locator",     "Start (UTC)", "End (UTC)", "Minutes", "Home Az start",
            "Home Az end", "Max El Home", "Max El DX",   "Min dB"};
}

WindowsTableCell WindowsTableCellAt(const MutualWindow& window, const StationRecord& station,
                                    int column) {
    switch (column) {
        case kDx:
            return WindowsTableCell{station.Callsign, std::nullopt};
        case kLocator:
            return WindowsTableCell{station.Locator, std::nullopt};
        case kStart:
            return WindowsTableCell{UtcText(UtcMinutes(window.Start)), std::nullopt};
        case kEnd:
            return WindowsTableCell{UtcText(EndMinutes(window)), std::nullopt};
        case kMinutes:
            return Number(NumberAt(window, column), "%.0f");
        default:
            return Number(NumberAt(window, column), "%.1f");
    }
}

void SortWindowsTable(std::vector<WindowsTableRow>& rows, const WindowGrid& grid,
                      std::span<const StationRecord> stations, int column, bool ascending,
                      std::span<std::size_t> followed) {
    if (column == kDx || column == kLocator) {
        const std::vector<std::uint32_t> ranks =
            TextRanks(stations.size(), [&](std::size_t s) -> const std::string& {
                return column == kDx ? stations[s].Callsign : stations[s].Locator;
            });
        SortByKey(
            rows, [&](const WindowsTableRow& row) { return ranks[row.Station]; }, ascending,
            followed);
        return;
    }
    SortByKey(
        rows,
        [&](const WindowsTableRow& row) {
            const MutualWindow window = WindowOf(row, grid);
            switch (column) {
                case kStart:
                    return OrderedKey(UtcMinutes(window.Start));
                case kEnd:
                    return OrderedKey(EndMinutes(window));
                case kMinutes:
                    return OrderedKey(static_cast<std::int32_t>(window.LengthMinutes));
                default:
                    return OrderedKey(FieldAt(window, column));
            }
        },
        ascending, followed);
}

void SortWindowsTableAsPass(std::vector<WindowsTableRow>& rows, std::span<const StationSite> sites,
                            std::span<std::size_t> followed) {
    // Three stable sorts, the last deciding first: list order, callsign, first instant.
    const std::vector<std::uint32_t> ranks = TextRanks(
        sites.size(), [&](std::size_t s) -> const std::string& { return sites[s].Callsign; });
    SortByKey(
        rows, [](const WindowsTableRow& row) { return row.Station; }, true, followed);
    SortByKey(
        rows, [&](const WindowsTableRow& row) { return ranks[row.Station]; }, true, followed);
    SortByKey(
        rows, [](const WindowsTableRow& row) { return row.First; }, true, followed);
}

}  // namespace velmorant
