// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window/windows_window_model.h"

#include <algorithm>
#include <exception>
#include <new>
#include <variant>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/common/calendar.h"
#include "run/passes/moon_instant_table.h"
#include "run/passes/mutual_window_days.h"
#include "run/report/report_file.h"
#include "run/rows/mutual_window_table.h"
#include "run/sky_temperature_file.h"
#include "stations/station_list.h"
#include "stations/station_listing.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/real_time/local_clock.h"
#include "ui/model/station_dialog/display_text.h"
#include "ui/model/station_dialog/station_choice.h"
#include "ui/model/windows_window/background_priority.h"
#include "ui/model/windows_window/moon_pair_run.h"

namespace velmorant {

namespace {

// The pass shares its stations out among this many threads (the machine's two cores).
constexpr int kThreads = 2;

// Messages of the scratch window the stations are read through: a station whose locator the
// calculation refuses keeps the coordinates before it, as in `velmorant windows`.
class QuietMessages : public MessagePresenter {
  public:
    void ShowMessage(std::string_view, std::string_view) override {}
};

std::variant<SkyTemperatureTable, std::string> SkyTable(const MainWindowModel& main) {
    auto sky = LoadSkyTemperatures(main.Run.Folder / kSkyTemperatureFileName);
    if (auto* message = std::get_if<RunMessage>(&sky)) {
        return message->Title + ": " + message->Text;
    }
    return std::move(std::get<SkyTemperatureTable>(sky));
}

// The run's dates, first and last counted.
std::int64_t DateCount(const RunParameters& params) {
    return DaysSince1970(params.YearEnd, params.MonthEnd, params.DayEnd) -
           DaysSince1970(params.YearStart, params.MonthStart, params.DayStart) + 1;
}

// Gathers the pass's windows as table rows, on the pass's thread.
class RowGathering : public MutualWindowSink {
  public:
    explicit RowGathering(std::vector<WindowsTableRow>& rows) : rows_(rows) {}
    void Write(const MutualWindow& window, const StationSite&) override {
        rows_.push_back(TableRowOf(window));
    }

  private:
    std::vector<WindowsTableRow>& rows_;
};

// Rows reserved before a pass: about one window a station and date (the Moon above both
// horizons once a day), at most this many (64 MB of rows); a larger pass grows its vector.
constexpr std::size_t kMostRowsReserved = 4'000'000;

// Gives memory freed by a pass's many small blocks back to the system (glibc keeps it else).
void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace

WindowsWindowModel::WindowsWindowModel(MainWindowModel& main) : main_(main) {}

WindowsWindowModel::~WindowsWindowModel() {
    CancelWindows();
    Join();
}

bool WindowsWindowModel::RefreshChart() {
    const WindowInputs inputs = main_.Inputs();
    if (chartInputs_ == inputs) {
        return false;
    }
    chartInputs_ = inputs;
    chart_.reset();
    chartProblem_.clear();
    auto gathered = MoonPairParameters(inputs);
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        chartProblem_ = *problem;
        return true;
    }
    auto sky = SkyTable(main_);
    if (auto* problem = std::get_if<std::string>(&sky)) {
        chartProblem_ = *problem;
        return true;
    }
    chart_ =
        ComputeChartSeries(std::get<RunParameters>(gathered), std::get<SkyTemperatureTable>(sky));
    return true;
}

bool WindowsWindowModel::CalendarOutdated() const {
    return calendarInputs_ != main_.Inputs();
}

bool WindowsWindowModel::RefreshCalendar() {
    const WindowInputs inputs = main_.Inputs();
    if (calendarInputs_ == inputs) {
        return false;
    }
    calendarInputs_ = inputs;
    std::vector<CalendarDay>().swap(calendar_);
    calendarProblem_.clear();
    auto gathered = CalendarRunParameters(inputs);
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        calendarProblem_ = *problem;
        return true;
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    if (const std::int64_t days = DateCount(params); days > kMostCalendarPictureDays) {
        calendarProblem_ = "the dates span " + std::to_string(days) +
                           " days: the calendar shows at most " +
                           std::to_string(kMostCalendarPictureDays) + " days";
        return true;
    }
    auto sky = SkyTable(main_);
    if (auto* problem = std::get_if<std::string>(&sky)) {
        calendarProblem_ = *problem;
        return true;
    }
    calendar_ = PlanCalendar(params, std::get<SkyTemperatureTable>(sky));
    return true;
}

bool WindowsWindowModel::Refuse(std::string problem) {
    state_ = WindowsPassState::Refused;
    problem_ = std::move(problem);
    return false;
}

bool WindowsWindowModel::StartWindows() {
    if (state_ == WindowsPassState::Running) {
        return false;
    }
    std::vector<WindowsTableRow>().swap(rows_);
    grid_.reset();
    problem_.clear();
    auto gathered = MoonPairParameters(main_.Inputs());
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        return Refuse(*problem);
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    const std::int64_t days = DateCount(params);
    if (days > kMostWindowDays) {
        return Refuse("the dates span " + std::to_string(days) +
                      " days: a windows pass covers at most " + std::to_string(kMostWindowDays) +
                      " days");
    }
    auto sky = SkyTable(main_);
    if (auto* problem = std::get_if<std::string>(&sky)) {
        return Refuse(*problem);
    }
    const auto text =
        main_.Stations.List != nullptr ? main_.Stations.List->ReadAll() : std::nullopt;
    if (!text) {
        return Refuse("the station list " + std::string(kStationListFileName) + " cannot be read");
    }
    // Every station goes through a DX row as its lookup puts it there: a scratch window's, so
    // that the main window's DX row stays as it is.
    LocalClock clock;
    FileDefaultsStorage unused(main_.Run.Folder);
    QuietMessages quiet;
    MainWindowModel scratch(clock, unused, quiet);
    records_.clear();
    for (const StationRecord& record : ListStations(*text, "")) {
        records_.push_back(ShownStation(record));
    }
    sites_ = DxSitesOf(scratch, records_);

    Join();
    progress_ = std::make_unique<MutualWindowsProgress>();
    finished_ = false;
    passProblem_.clear();
    state_ = WindowsPassState::Running;
    const std::size_t reserved =
        std::min(sites_.size() * static_cast<std::size_t>(days), kMostRowsReserved);
    pass_ = std::thread([this, reserved, params = std::get<RunParameters>(std::move(gathered)),
                         table = std::get<SkyTemperatureTable>(std::move(sky))] {
        // The pass and its workers give way to the window's thread.
        LowerThisThreadsPriority();
        try {
            passRows_.reserve(reserved);
            RowGathering gathering(passRows_);
            // The rows keep a window's instants; the grid, kept from the instant table before
            // the table goes, gives back the rest.
            const MoonInstantTable instants(params, table, kThreads);
            WriteMutualWindows(instants, params, sites_, kThreads, gathering, progress_.get());
            if (!progress_->StopRequested) {
                passGrid_.emplace(instants.Grid());
            }
        } catch (const std::bad_alloc&) {
            // Poll lets the pass's rows and grid go, whatever its end.
            passProblem_ = "not enough memory for the windows: choose fewer dates or stations";
        } catch (const std::exception& error) {
            // A thread the system would not start, above all.
            passProblem_ = std::string("the windows could not be computed: ") + error.what();
        }
        finished_ = true;
    });
    return true;
}

void WindowsWindowModel::CancelWindows() {
    if (progress_) {
        progress_->StopRequested = true;
    }
}

WindowsPassState WindowsWindowModel::Poll() {
    if (!PassEnded()) {
        return state_;
    }
    Join();
    if (!passProblem_.empty()) {
        problem_ = passProblem_;
        state_ = WindowsPassState::Refused;
    } else if (progress_->StopRequested) {
        state_ = WindowsPassState::Cancelled;
    } else {
        rows_.swap(passRows_);
        grid_ = std::move(passGrid_);
        state_ = WindowsPassState::Finished;
    }
    std::vector<WindowsTableRow>().swap(passRows_);
    passGrid_.reset();
    ReturnFreedMemory();
    return state_;
}

int WindowsWindowModel::PercentDone() const {
    const std::size_t total = progress_ ? progress_->StepsTotal.load() : 0;
    if (total == 0) {
        return state_ == WindowsPassState::Finished ? 100 : 0;
    }
    return static_cast<int>(progress_->StepsDone.load() * 100 / total);
}

WindowsTableCell WindowsWindowModel::ShownCell(std::size_t shown, int column) const {
    const WindowsTableRow& row = rows_[shown];
    return WindowsTableCellAt(WindowOf(row, *grid_), records_[row.Station], column);
}

void WindowsWindowModel::SortRows(int column, bool ascending, std::span<std::size_t> followed) {
    if (!grid_) {
        return;
    }
    if (column < 0 || column >= kWindowsTableColumns) {
        SortWindowsTableAsPass(rows_, sites_, followed);
    } else {
        SortWindowsTable(rows_, *grid_, records_, column, ascending, followed);
    }
    ReturnFreedMemory();
}

void WindowsWindowModel::ChooseRow(std::size_t shown) {
    if (shown < rows_.size()) {
        main_.ShowFoundStation(kDXRow, records_[rows_[shown].Station]);
    }
}

WriteResult WindowsWindowModel::SaveCsv(const std::filesystem::path& file) const {
    ReportFileSink sink(file);
    if (!sink.IsOpen()) {
        return sink.Keep();
    }
    MutualWindowTable table(sink, WindowsFormat::Csv);
    for (const WindowsTableRow& row : rows_) {
        table.Write(WindowOf(row, *grid_), sites_[row.Station]);
    }
    table.Finish();
    return sink.Keep();
}

void WindowsWindowModel::Join() {
    if (pass_.joinable()) {
        pass_.join();
    }
}

}  // namespace velmorant
