// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "run/passes/calendar_days.h"
#include "run/passes/chart_series.h"
#include "run/passes/mutual_windows.h"
#include "run/passes/window_grid.h"
#include "run/window_inputs.h"
#include "stations/station_record.h"
#include "stations/write_result.h"
#include "ui/model/windows_window/windows_table.h"

// The WINDOWS window without a toolkit. Its Chart tab shows the chart of the main window's Home,
// DX and dates, computed again whenever the main window's contents change; its Calendar tab the
// EME calendar of those dates, as `velmorant calendar` makes it; its Windows tab lists
// the mutual windows of Home with every station of CALL3.TXT over the main window's dates,
// computed on a thread of its own that can be stopped and that also gathers the table's rows, and
// a chosen row puts its station into the DX row as the lookup button does.

namespace velmorant {

class MainWindowModel;

enum class WindowsPassState {
    Idle,       // nothing computed yet
    Running,    // the pass is under way
    Finished,   // the rows hold its windows
    Cancelled,  // stopped by the operator: no rows
    Refused     // the window's contents or the files made no pass, or the pass failed (no
                // memory for its rows): see Problem()
};

class WindowsWindowModel {
  public:
    explicit WindowsWindowModel(MainWindowModel& main);
    ~WindowsWindowModel();
    WindowsWindowModel(const WindowsWindowModel&) = delete;
    WindowsWindowModel& operator=(const WindowsWindowModel&) = delete;

    // --- The Chart tab. ---

    // Reads the main window; when its contents differ from the last reading, computes the
    // chart (or the refusal) and returns true: the chart must be drawn again.
    bool RefreshChart();
    // The chart of the last reading, or nothing when its run was refused (ChartProblem says why).
    const std::optional<ChartSeries>& Chart() const { return chart_; }
    const std::string& ChartProblem() const { return chartProblem_; }

    // --- The Calendar tab. ---

    // The main window's contents differ from the calendar's last reading: the next
    // RefreshCalendar computes (some tenths of a second for a year of dates).
    bool CalendarOutdated() const;
    // As RefreshChart, for the calendar: the Moon seen from Home (with DX when its row is
    // displayed), refused for another object or more than kMostCalendarPictureDays dates.
    bool RefreshCalendar();
    // The dates of the last reading, none when refused (CalendarProblem says why).
    const std::vector<CalendarDay>& Calendar() const { return calendar_; }
    const std::string& CalendarProblem() const { return calendarProblem_; }

    // --- The Windows tab. ---

    // Starts the pass over every station of CALL3.TXT with the main window's contents; false
    // (state Refused, Problem() saying why) when they make no run, span more than
    // kMostWindowDays dates or a file cannot be read, or while a pass is running. The rows of the
    // last pass are dropped.
    bool StartWindows();
    // Asks the running pass to stop; it ends at its next small group of stations (state
    // Cancelled, its rows and their memory given back).
    void CancelWindows();
    // The running pass has ended and the next Poll takes in its rows (the table's row count
    // changes then).
    bool PassEnded() const { return state_ == WindowsPassState::Running && finished_; }
    // Called from the window's thread while a pass runs: takes in its end (the pass's rows by a
    // swap, no work per row). The state after it.
    WindowsPassState Poll();
    WindowsPassState State() const { return state_; }
    // The share of the running or last pass done, 0 ... 100 (its steps are a station over a
    // date).
    int PercentDone() const;
    std::size_t StationCount() const { return sites_.size(); }
    const std::string& Problem() const { return problem_; }
    // The windows of the finished pass as the table shows them: in the pass's order (by start and
    // then callsign) until a sort. Row i is the table's row i.
    const std::vector<WindowsTableRow>& Rows() const { return rows_; }
    WindowsTableCell ShownCell(std::size_t shown, int column) const;
    // Sorts the rows as a click on the heading of `column` does; a column below 0 puts back the
    // pass's order. `followed` holds rows' places before the sort (the selected row's) and gets
    // their places after it.
    void SortRows(int column, bool ascending, std::span<std::size_t> followed = {});
    // Puts the station of the shown row `shown` into the DX row as the DX lookup button does
    // after an exact find.
    void ChooseRow(std::size_t shown);
    // Writes the table as `velmorant windows --format csv` writes it, its rows in the order shown
    // (the command's order until a heading is clicked), through the careful writer: an earlier
    // file stays whole unless the new one was written in full.
    WriteResult SaveCsv(const std::filesystem::path& file) const;

  private:
    bool Refuse(std::string problem);
    void Join();

    MainWindowModel& main_;
    std::optional<WindowInputs> chartInputs_;
    std::optional<ChartSeries> chart_;
    std::string chartProblem_;
    std::optional<WindowInputs> calendarInputs_;
    std::vector<CalendarDay> calendar_;
    std::string calendarProblem_;

    WindowsPassState state_ = WindowsPassState::Idle;
    std::string problem_;
    std::vector<StationSite> sites_;
    std::vector<StationRecord> records_;
    std::vector<WindowsTableRow> rows_;  // in the order shown
    std::optional<WindowGrid> grid_;     // the rest of each row's window
    // Shared with the pass's thread: its progress and stop request, its rows and grid, why it
    // failed (a row that found no memory) and its end.
    std::unique_ptr<MutualWindowsProgress> progress_;
    std::vector<WindowsTableRow> passRows_;
    std::optional<WindowGrid> passGrid_;
    std::string passProblem_;
    std::atomic<bool> finished_{false};
    std::thread pass_;
};

}  // namespace velmorant
