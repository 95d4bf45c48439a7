// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window_model.h"

#include <cmath>
#include <cstdio>
#include <variant>

#include "core/calendar.h"
#include "core/constants.h"
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

std::string UtcText(const GridInstant& instant) {
    const double days = ChartDayOf(instant);
    const auto whole = static_cast<std::int64_t>(std::floor(days));
    const CalendarDate date = DateFromDaysSince1970(whole);
    const long minutes = std::lround((days - static_cast<double>(whole)) * 1440);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02ld:%02ld", date.Year, date.Month, date.Day,
                  minutes / 60, minutes % 60);
    return text;
}

WindowsTableCell Number(double value, const char* pattern) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return WindowsTableCell{text, value};
}

double Degrees(double radians) {
    return radians * (360.0 / TwoPi);
}

}  // namespace

std::vector<std::string> WindowsTableHeadings() {
    return {"DX",          "Locator",     "Start (UTC)", "End (UTC)", "Minutes", "Home Az start",
            "Home Az end", "Max El Home", "Max El DX",   "Min dB"};
}

std::vector<WindowsTableCell> WindowsTableCells(const WindowsTableRow& row) {
    const MutualWindow& w = row.Window;
    return {WindowsTableCell{row.Station.Callsign, std::nullopt},
            WindowsTableCell{row.Station.Locator, std::nullopt},
            WindowsTableCell{UtcText(w.Start), std::nullopt},
            WindowsTableCell{UtcText(w.End), std::nullopt},
            Number(w.LengthMinutes, "%.0f"),
            Number(Degrees(w.HomeAzimuthStart), "%.1f"),
            Number(Degrees(w.HomeAzimuthEnd), "%.1f"),
            Number(Degrees(w.HomeElevationMax), "%.1f"),
            Number(Degrees(w.DxElevationMax), "%.1f"),
            Number(w.DegradationMin, "%.1f")};
}

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
    rows_.clear();
    problem_.clear();
    auto gathered = MoonPairParameters(main_.Inputs());
    if (auto* problem = std::get_if<std::string>(&gathered)) {
        return Refuse(*problem);
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
    found_.clear();
    state_ = WindowsPassState::Running;
    pass_ = std::thread([this, params = std::get<RunParameters>(std::move(gathered)),
                         table = std::get<SkyTemperatureTable>(std::move(sky))] {
        found_ = FindMutualWindows(params, table, sites_, kThreads, progress_.get());
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
    if (state_ != WindowsPassState::Running || !finished_) {
        return state_;
    }
    Join();
    if (progress_->StopRequested) {
        state_ = WindowsPassState::Cancelled;
        return state_;
    }
    for (const MutualWindow& window : found_) {
        rows_.push_back(WindowsTableRow{window, records_[window.Station]});
    }
    state_ = WindowsPassState::Finished;
    return state_;
}

void WindowsWindowModel::ChooseRow(std::size_t row) {
    if (row < rows_.size()) {
        main_.ShowFoundStation(kDXRow, rows_[row].Station);
    }
}

void WindowsWindowModel::Join() {
    if (pass_.joinable()) {
        pass_.join();
    }
}

}  // namespace velmorant
