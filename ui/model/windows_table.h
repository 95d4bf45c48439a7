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
// pass's list of stations (32 bytes; the station's record is kept once, in that list). The grid's
// instants are whole minutes, so the start is kept as one number and the end is the start and the
// length.
struct WindowsTableRow {
    std::uint32_t Station = 0;
    std::int32_t StartMinutes = 0;   // minutes since 1970-01-01 0h UTC
    std::int32_t LengthMinutes = 0;  // the end less the start
    float HomeAzimuthStart = 0;      // radians, as MutualWindow
    float HomeAzimuthEnd = 0;
    float HomeElevationMax = 0;
    float DxElevationMax = 0;
    float DegradationMin = 0;  // dB
};

WindowsTableRow TableRowOf(const MutualWindow& window);
// The window again as the pass wrote it, but for its grid instants First and Last (0), which the
// table does not keep, and a start or end at 2400, which comes back as 0000 of the next date
// (the table and `velmorant windows` write both alike).
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

// Sorts `order` (indices into `rows`, the table's rows as shown) by column `column` as a click on
// its heading does: by the number where the column holds one, by the text otherwise (start and
// end by their moment, which orders their texts alike), rows of equal keys keeping their order.
void SortWindowsTable(std::vector<std::uint32_t>& order, std::span<const WindowsTableRow> rows,
                      std::span<const StationRecord> stations, int column, bool ascending);

}  // namespace velmorant
