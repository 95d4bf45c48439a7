// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "run/planning/chart_series.h"
#include "run/planning/mutual_windows.h"
#include "run/window_inputs.h"
#include "stations/station_record.h"

// The WINDOWS window without a toolkit. Its Chart tab shows the chart of the main window's Home,
// DX and dates, computed again whenever the main window's contents change; its Windows tab lists
// the mutual windows of Home with every station of CALL3.TXT over the main window's dates,
// computed on a thread of its own that can be stopped, and a chosen row puts its station into
// the DX row as the lookup button does.

namespace velmorant {

class MainWindowModel;

// One row of the windows' table: the window and its station as CALL3.TXT has it.
struct WindowsTableRow {
    MutualWindow Window;
    StationRecord Station;
};

// One cell of the table: its text, and the number it sorts by where it holds one.
struct WindowsTableCell {
    std::string Text;
    std::optional<double> Number;
};

// The table's column headings, and a row's cells under them: DX, locator, start and end (UTC,
// "YYYY-MM-DD HH:MM", 2400 carried to 00:00 of the next date), minutes, Home azimuth at start
// and end, highest elevation at Home and at DX (degrees), lowest degradation (dB).
std::vector<std::string> WindowsTableHeadings();
std::vector<WindowsTableCell> WindowsTableCells(const WindowsTableRow& row);

enum class WindowsPassState {
    Idle,       // nothing computed yet
    Running,    // the pass is under way
    Finished,   // the rows hold its windows
    Cancelled,  // stopped by the operator: no rows
    Refused     // the window's contents or the files made no pass: see Problem()
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

    // --- The Windows tab. ---

    // Starts the pass over every station of CALL3.TXT with the main window's contents; false
    // (state Refused, Problem() saying why) when they make no run or a file cannot be read, or
    // while a pass is running.
    bool StartWindows();
    // Asks the running pass to stop; it ends at its next station (state Cancelled).
    void CancelWindows();
    // Called from the window's thread while a pass runs: takes in its end. The state after it.
    WindowsPassState Poll();
    WindowsPassState State() const { return state_; }
    // Stations finished and stations in all of the running or last pass.
    // (The pass walks all stations date by date: the stations' worth of its steps done.)
    std::size_t StationsDone() const {
        const std::size_t total = progress_ ? progress_->StepsTotal.load() : 0;
        return total == 0 ? 0 : progress_->StepsDone.load() * sites_.size() / total;
    }
    std::size_t StationCount() const { return sites_.size(); }
    const std::string& Problem() const { return problem_; }
    // The windows of the finished pass, by start and then callsign.
    const std::vector<WindowsTableRow>& Rows() const { return rows_; }
    // Puts the station of row `row` into the DX row as the DX lookup button does after an
    // exact find.
    void ChooseRow(std::size_t row);

  private:
    bool Refuse(std::string problem);
    void Join();

    MainWindowModel& main_;
    std::optional<WindowInputs> chartInputs_;
    std::optional<ChartSeries> chart_;
    std::string chartProblem_;

    WindowsPassState state_ = WindowsPassState::Idle;
    std::string problem_;
    std::vector<StationSite> sites_;
    std::vector<StationRecord> records_;
    std::vector<WindowsTableRow> rows_;
    // Shared with the pass's thread: its progress and stop request, its result and its end.
    std::unique_ptr<MutualWindowsProgress> progress_;
    std::vector<MutualWindow> found_;
    std::atomic<bool> finished_{false};
    std::thread pass_;
};

}  // namespace velmorant
