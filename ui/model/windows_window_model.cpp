// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window_model.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <variant>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/calendar.h"
#include "run/planning/mutual_window_days.h"
#include "run/report/mutual_window_table.h"
#include "run/report/report_file.h"
#include "run/sky_temperature_file.h"
#include "stations/station_list.h"
#include "stations/station_listing.h"
#include "ui/model/display_text.h"
#include "ui/model/local_clock.h"
#include "ui/model/main_window_model.h"
#include "ui/model/moon_pair_run.h"
#include "ui/model/station_choice.h"
#include "ui/model/text_storage.h"

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
// horizons once a day), at most this many (176 MB of rows); a larger pass grows its vector.
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
    std::vector<std::uint32_t>().swap(order_);
    problem_.clear();
    auto gathered = MoonPairParameters(main_.Inputs());
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        return Refuse(*problem);
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    const std::int64_t days = DaysSince1970(params.YearEnd, params.MonthEnd, params.DayEnd) -
                              DaysSince1970(params.YearStart, params.MonthStart, params.DayStart) +
                              1;
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
        try {
            passRows_.reserve(reserved);
            RowGathering gathering(passRows_);
            WriteMutualWindows(params, table, sites_, kThreads, gathering, progress_.get());
        } catch (const std::bad_alloc&) {
            std::vector<WindowsTableRow>().swap(passRows_);
            passProblem_ = "not enough memory for the windows: choose fewer dates or stations";
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
        state_ = WindowsPassState::Finished;
    }
    std::vector<WindowsTableRow>().swap(passRows_);
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
    const WindowsTableRow& row = ShownRow(shown);
    return WindowsTableCellAt(row, records_[row.Station], column);
}

void WindowsWindowModel::SortRows(int column, bool ascending) {
    if (column < 0 || column >= kWindowsTableColumns) {
        std::vector<std::uint32_t>().swap(order_);
        return;
    }
    if (order_.empty()) {
        order_.resize(rows_.size());
        std::iota(order_.begin(), order_.end(), 0U);
    }
    SortWindowsTable(order_, rows_, records_, column, ascending);
}

void WindowsWindowModel::ChooseRow(std::size_t shown) {
    if (shown < rows_.size()) {
        main_.ShowFoundStation(kDXRow, records_[ShownRow(shown).Station]);
    }
}

WriteResult WindowsWindowModel::SaveCsv(const std::filesystem::path& file) const {
    ReportFileSink sink(file);
    if (!sink.IsOpen()) {
        return sink.Keep();
    }
    MutualWindowTable table(sink, WindowsFormat::Csv);
    for (std::size_t shown = 0; shown < rows_.size(); ++shown) {
        const WindowsTableRow& row = ShownRow(shown);
        table.Write(WindowOf(row), sites_[row.Station]);
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
