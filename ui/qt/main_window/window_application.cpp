// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window/window_application.h"

#include <QApplication>
#include <QFont>
#include <QTime>

#include "run/realtime/real_time_frame.h"
#include "stations/station_list.h"
#include "stations/text_file.h"
#include "ui/model/wsjtx/wsjtx_display.h"
#include "ui/qt/desktop/working_folder.h"

namespace velmorant {

void RegisterFontSubstitutes() {
    // Liberation Sans has the letter widths of the faces these forms were laid out with;
    // Comic Neue stands in for the title's face.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
}

WindowApplication::WindowApplication(std::filesystem::path folder, LaunchActions launch,
                                     const Clock* clock, WindowsView::FileChooser chooseFile)
    : folder_(std::move(folder)),
      launch_(std::move(launch)),
      defaults_(folder_),
      stations_(folder_ / kStationListFileName),
      report_(folder_ / kReportFileName),
      settingsFile_(folder_ / kSettingsFileName),
      model_(clock != nullptr ? *clock : clock_, defaults_, messages_),
      windowsModel_(model_) {
    RegisterFontSubstitutes();
    view_ = std::make_unique<MainWindowView>(model_);
    dialog_ = std::make_unique<StationDialogView>(view_.get());
    messages_.SetParent(view_.get());

    model_.Run.Folder = folder_;
    model_.Run.Report = &report_;
    model_.Run.LaunchEditor = [this](const std::string& editor, const std::string& report) {
        return Launch(editor, report);
    };
    viewers_ = std::make_unique<OwnViewers>(ManualFolders());
    model_.Run.Viewer = viewers_.get();
    model_.Help.Viewer = viewers_.get();
    model_.Help.Folder = folder_;
    // A long planning run repaints and takes a STOP between its dates.
    model_.Run.KeepResponsive = [] { QCoreApplication::processEvents(); };
    model_.Stations.List = &stations_;
    model_.Stations.Dialog = dialog_.get();
    model_.Help.FileExists = [this](const std::string& name) {
        std::error_code error;
        return std::filesystem::is_regular_file(folder_ / name, error);
    };
    model_.Help.OpenWithProgram = [this](const std::string& reader, const std::string& file) {
        return Launch(reader, file);
    };
    model_.Hooks.EndProgram = [this] {
        SaveWindowPlaces();
        if (view_) {
            view_->close();
        }
        QCoreApplication::exit(0);
    };
    model_.Hooks.CloseOtherWindows = [this] {
        SaveWindowPlaces();
        dialog_->hide();
        realTime_->hide();
        viewers_->CloseAll();
        windows_->close();
    };
    windows_ = std::make_unique<WindowsView>(windowsModel_, std::move(chooseFile));
    model_.Hooks.OpenWindows = [this] {
        if (!windows_->isVisible()) {
            placer_->PlaceWindows();
        }
        windows_->Open();
    };
    windows_->Closing = [this] { SaveWindowPlaces(); };

    realTime_ = std::make_unique<RealTimeView>(MapPicture());
    placer_ = std::make_unique<WindowPlacer>(
        settingsFile_, *view_, *realTime_, *windows_,
        std::vector<QWidget*>{view_->findChild<QWidget*>(QStringLiteral("cmdStop")),
                              view_->findChild<QWidget*>(QStringLiteral("txtDateCalc"))});
    model_.RealTime.Open = [this](const std::string& caption) {
        if (!realTime_->isVisible()) {
            placer_->PlaceRealTime();
        }
        realTime_->Open(caption);
    };
    model_.RealTime.ShowPass = [this](const RealTimeFrame& frame) { realTime_->ShowPass(frame); };
    model_.RealTime.ShowMapUpdate = [this](const MapUpdateFrame& frame) {
        realTime_->ShowMapUpdate(frame);
    };
    // Other programs (a rotator controller) read this file at any moment: it is replaced whole.
    model_.RealTime.WriteAzEl = [this](const std::string& line) {
        return ReplaceTextFile(folder_ / "QVAZEL.DAT", line + "\r\n");
    };
    model_.Hooks.CloseRunFilesAndHideRealTime = [this] {
        SaveWindowPlaces();
        realTime_->StopHide();
    };
    model_.Hooks.ClearRealTimeMap = [this] { realTime_->ClearMap(); };
    // The real-time window may cover the main window's STOP: it has its own, and Escape and F1,
    // all through the main window's own handlers.
    realTime_->StopPressed = [this] { model_.Click("cmdStop"); };
    realTime_->HelpPressed = [this] { model_.Click("cmdHELP"); };
    WireRotator();
    WireRadio();
    WireWsjtx();

    tmrWatch_.setSingleShot(true);
    tmrWatch_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tmrWatch_, &QTimer::timeout, [this] {
        ArmTimer();
        model_.tmrWatch_Timer();
    });
}

std::filesystem::path WindowApplication::MapPicture() const {
    // The map is program data, not the operator's: a copy in the working folder wins, otherwise
    // the installed one is used where it lies.
    std::error_code error;
    const std::filesystem::path local = folder_ / "WORLDMAP.PNG";
    if (std::filesystem::is_regular_file(local, error)) {
        return local;
    }
    for (const auto& installed : StandardFolderCandidates().InstalledFolders) {
        if (std::filesystem::is_regular_file(installed / "WORLDMAP.PNG", error)) {
            return installed / "WORLDMAP.PNG";
        }
    }
    return local;
}

void WindowApplication::WireRotator() {
    RotatorSettingsReading reading = ReadRotatorSettings(settingsFile_.ReadGroup(kRotatorGroup));
    rotatorSettings_ = std::move(reading.Settings);
    rotatorNotes_ = std::move(reading.Problems);
    model_.RealTime.RotatorChoice = &rotatorSettings_;
    model_.RealTime.Rotator = &rotator_;
    rotator_.Show = [this](const DeviceDisplay& display) { realTime_->ShowRotator(display); };

    rotatorDialog_ = std::make_unique<RotatorDialogView>(realTime_.get());
    realTime_->RotatorPressed = [this] {
        std::vector<std::string> notes = rotatorNotes_;
        notes.insert(notes.end(), wsjtxNotes_.begin(), wsjtxNotes_.end());
        rotatorDialog_->Edit(rotatorSettings_, wsjtxSettings_, notes);
    };
    rotatorDialog_->Accepted = [this](const RotatorSettings& settings, const WsjtxSettings& wsjtx) {
        // The next pass of a running display uses them (a new address reconnects).
        rotatorSettings_ = settings;
        rotatorNotes_.clear();
        std::string problem;
        if (!settingsFile_.WriteGroup(kRotatorGroup, RotatorSettingsValues(settings), &problem) ||
            !settingsFile_.WriteGroup(kWsjtxGroup, WsjtxSettingsValues(wsjtx), &problem)) {
            messages_.ShowMessage(problem, "Rotator Settings");
        }
        wsjtxSettings_ = wsjtx;
        wsjtxNotes_.clear();
        if (const std::string refused = ListenToWsjtx(); !refused.empty()) {
            messages_.ShowMessage(refused, "WSJT-X");
        }
    };
}

void WindowApplication::WireWsjtx() {
    WsjtxSettingsReading reading = ReadWsjtxSettings(settingsFile_.ReadGroup(kWsjtxGroup));
    wsjtxSettings_ = std::move(reading.Settings);
    wsjtxNotes_ = std::move(reading.Problems);
    wsjtx_.StatusReceived = [this](const WsjtxStatus& status) {
        wsjtxActivity_.Arrived(status.Transmitting, status.TrPeriodSeconds);
        model_.TakeWsjtxStations({status.DxCall, status.DxGrid, status.DeGrid});
    };
    model_.RealTime.ShowWsjtx = [this](const WsjtxActivity& activity, double utcSecond) {
        realTime_->ShowWsjtx(WsjtxDisplay(activity, utcSecond, wsjtxSettings_, wsjtxProblem_));
    };
    // At start-up a refusal waits for the header band: the operator may not be at the radio.
    ListenToWsjtx();
}

std::string WindowApplication::ListenToWsjtx() {
    wsjtxProblem_.clear();
    if (wsjtxSettings_.Enabled) {
        wsjtxProblem_ = wsjtx_.Open(wsjtxSettings_.Address, wsjtxSettings_.Port);
        model_.RealTime.Wsjtx = &wsjtxActivity_;
    } else {
        wsjtx_.Close();
        model_.RealTime.Wsjtx = nullptr;
        realTime_->ShowWsjtx({});
    }
    return wsjtxProblem_;
}

void WindowApplication::WireRadio() {
    RadioSettingsReading reading = ReadRadioSettings(settingsFile_.ReadGroup(kRadioGroup));
    radioSettings_ = std::move(reading.Settings);
    radioNotes_ = std::move(reading.Problems);
    model_.RealTime.RadioChoice = &radioSettings_;
    model_.RealTime.Radio = &radio_;
    radio_.Show = [this](const DeviceDisplay& display) { realTime_->ShowRadio(display); };

    radioDialog_ = std::make_unique<RadioDialogView>(realTime_.get());
    realTime_->RadioPressed = [this] { radioDialog_->Edit(radioSettings_, radioNotes_); };
    radioDialog_->Accepted = [this](const RadioSettings& settings) {
        // The next pass of a running display uses them (a new address reconnects).
        radioSettings_ = settings;
        radioNotes_.clear();
        std::string problem;
        if (!settingsFile_.WriteGroup(kRadioGroup, RadioSettingsValues(settings), &problem)) {
            messages_.ShowMessage(problem, "Radio Settings");
        }
    };
}

std::vector<std::filesystem::path> WindowApplication::ManualFolders() const {
    // Like the map, the manual is program data: a copy in the working folder wins.
    std::vector<std::filesystem::path> folders{folder_};
    for (const auto& installed : StandardFolderCandidates().InstalledFolders) {
        folders.push_back(installed);
    }
    return folders;
}

void WindowApplication::ArmTimer() {
    // A few milliseconds past the second, so that the clock read by the pass has moved on.
    const int untilNextSecond = 1000 - QTime::currentTime().msec();
    tmrWatch_.start(untilNextSecond + 5);
}

void WindowApplication::SaveWindowPlaces() {
    // The places are a convenience: a file that cannot be written leaves the windows where the
    // desktop puts them next time (the rotator's dialog tells about such a file).
    placer_->Save();
}

bool WindowApplication::Start() {
    placer_->FitMain();
    ArmTimer();
    model_.Form_Load();
    if (model_.EndRequested()) {
        return false;
    }
    if (auto refusal = settingsFile_.Refusal()) {
        messages_.ShowMessage(*refusal, "Settings Not Used");
    }
    return true;
}

bool WindowApplication::Launch(const std::string& program, const std::string& file) {
    const QString folder = QString::fromStdString(folder_.string());
    return OpenWithProgram(QString::fromUtf8(program.c_str()), QString::fromUtf8(file.c_str()),
                           folder, launch_)
        .Launched();
}

}  // namespace velmorant
