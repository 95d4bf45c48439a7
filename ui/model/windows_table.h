// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "run/planning/mutual_windows.h"
#include "stations/station_record.h"

// The table of the WINDOWS window's Windows tab: its rows as the pass found them, kept small (a
// year with 5,000 stations is about 1.6 million rows), and their cells made only when shown.

namespace velmorant {

// One window of the table: the numbers of a MutualWindow and its station's index into the
// pass's list of stations (44 bytes; the station's record is kept once, in that list).
struct WindowsTableRow {
    std::uint32_t Station = 0;
    std::int32_t StartDay = 0;  // the start's planning date, days since 1970-01-01
    float StartHHMM = 0;        // the start's hhmm on that date (2400 possible)
    std::int32_t EndDay = 0;    // the same for the end
    float EndHHMM = 0;
    std::int32_t LengthMinutes = 0;
    float HomeAzimuthStart = 0;  // radians, as MutualWindow
    float HomeAzimuthEnd = 0;
    float HomeElevationMax = 0;
    float DxElevationMax = 0;
    float DegradationMin = 0;  // dB
};

WindowsTableRow TableRowOf(const MutualWindow& window);
// The window again as the pass wrote it, but for its grid instants First and Last (0), which
// the table does not keep.
MutualWindow WindowOf(const WindowsTableRow& row);

// One cell of the table: its text, and the number it sorts by where it holds one.
struct WindowsTableCell {
    std::string Text;
    std::optional<double> Number;
};

// The table's column headings, and a row's cells under them: DX, locator, start and end (UTC,
// "YYYY-MM-DD HH:MM", 2400 carried to 00:00 of the next date), minutes, Home azimuth at start
// and end, highest elevation at Home and at DX (degrees), lowest degradation (dB).
std::vector<std::string> WindowsTableHeadings();
inline constexpr int kWindowsTableColumns = 10;
WindowsTableCell WindowsTableCellAt(const WindowsTableRow& row, const StationRecord& station,
                                    int column);
std::vector<WindowsTableCell> WindowsTableCells(const WindowsTableRow& row,
                                                const StationRecord& station);

// Sorts `order` (indices into `rows`, the table's rows as shown) by column `column` as a click on
// its heading does: by the number where the column holds one, by the text otherwise (start and
// end by their moment, which orders their texts alike), rows of equal keys keeping their order.
void SortWindowsTable(std::vector<std::uint32_t>& order, std::span<const WindowsTableRow> rows,
                      std::span<const StationRecord> stations, int column, bool ascending);

}  // namespace velmorant
