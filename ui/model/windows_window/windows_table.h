// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "run/passes/mutual_windows.h"
#include "run/passes/window_grid.h"
#include "run/run_parameters.h"
#include "stations/station_record.h"

// The table of the WINDOWS window's Windows tab: its rows in the order shown, kept small (a year
// with 5,000 stations is about 1.6 million rows), and their cells made only when shown.

namespace velmorant {

// One window of the table, 16 bytes: its station's index into the pass's list of stations (the
// station's record is kept once, in that list), its first and last instants of the pass's grid
// and its highest DX elevation. The pass's grid (WindowGrid) gives back the rest.
struct WindowsTableRow {
    std::uint32_t Station = 0;
    std::uint32_t First = 0;  // grid instants, as MutualWindow
    std::uint32_t Last = 0;
    float DxElevationMax = 0;  // radians, as MutualWindow
};

WindowsTableRow TableRowOf(const MutualWindow& window);
// The window as the pass wrote it, every field.
MutualWindow WindowOf(const WindowsTableRow& row, const WindowGrid& grid);

// One cell of the table: its text, and the number it sorts by where it holds one.
struct WindowsTableCell {
    std::string Text;
    std::optional<double> Number;
};

// The table's column headings, and a window's cells under them: DX, locator, start and end (UTC,
// "YYYY-MM-DD HH:MM", 2400 carried to 00:00 of the next date), minutes, Home azimuth at start
// and end, highest elevation at Home and at DX (degrees), lowest degradation (dB).
std::vector<std::string> WindowsTableHeadings();
inline constexpr int kWindowsTableColumns = 10;
WindowsTableCell WindowsTableCellAt(const MutualWindow& window, const StationRecord& station,
                                    int column);

// Sorts `rows` in place by column `column` as a click on its heading does: by the number where
// the column holds one, by the text otherwise (start and end by their moment, which orders their
// texts alike), rows of equal keys keeping their order. `followed` holds places of rows before
// the sort and gets their places after it. Takes 8 bytes a row while it runs.
void SortWindowsTable(std::vector<WindowsTableRow>& rows, const WindowGrid& grid,
                      std::span<const StationRecord> stations, int column, bool ascending,
                      std::span<std::size_t> followed);
// Puts `rows` back in the pass's order: by first instant, then by the callsign of `sites` (the
// pass's stations), then in list order. `followed` as above.
void SortWindowsTableAsPass(std::vector<WindowsTableRow>& rows, std::span<const StationSite> sites,
                            std::span<std::size_t> followed);

}  // namespace velmorant
