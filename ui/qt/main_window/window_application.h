// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>

#include <QTimer>

#include "run/report/report_destination.h"
#include "ui/model/defaults/defaults_storage.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/real_time/local_clock.h"
#include "ui/model/windows_window/windows_window_model.h"
#include "ui/qt/desktop/ini_settings_file.h"
#include "ui/qt/desktop/own_viewers.h"
#include "ui/qt/desktop/program_launcher.h"
#include "ui/qt/desktop/window_placer.h"
#include "ui/qt/main_window/main_window_view.h"
#include "ui/qt/main_window/message_box_presenter.h"
#include "ui/qt/radio/radio_dialog_view.h"
#include "ui/qt/radio/rigctld_client.h"
#include "ui/qt/real_time/real_time_view.h"
#include "ui/qt/rotator/rotator_dialog_view.h"
#include "ui/qt/rotator/rotctld_client.h"
#include "ui/qt/station_dialog/station_dialog_view.h"
#include "ui/qt/windows_window/windows_view.h"
#include "ui/qt/wsjtx/wsjtx_listener.h"

namespace velmorant {

// One session of the window over the program's folder: the model with its files, the main
// window and the confirmation dialog, the launcher of the editor and the PDF reader, the
// program's own viewers for the report and the manual, and the one-second timer. The program's main
// and the window tests both build it.
class WindowApplication {
  public:
    // `folder` holds VELMORANT.DAT, CALL3.TXT, QVSKYTEMP.DAT and QVHELP.PDF; the report
    // VELMORANT.TXT is written there. `launch` starts the editor and the reader (tests record);
    // when they cannot open a file, the program's own viewers show it. `clock` replaces the
    // computer's clock (tests); it must outlive the application. `chooseFile` names the file the
    // WINDOWS window saves its chart into (the desktop's file dialog by default).
    explicit WindowApplication(std::filesystem::path folder,
                               LaunchActions launch = DesktopLaunchActions(),
                               const Clock* clock = nullptr,
                               WindowsView::FileChooser chooseFile = {});

    // Start-up: fits the main window to its screen at its saved place, loads the saved defaults
    // into the window and starts the timer. False when the program must end (the defaults file
    // is missing); the message has been shown.
    bool Start();

    // Writes both windows' places to VELMORANT.INI's [Windows] group (done at STOP and at the
    // program's end).
    void SaveWindowPlaces();

    MainWindowModel& Model() { return model_; }
    MainWindowView& View() { return *view_; }
    StationDialogView& Dialog() { return *dialog_; }
    RealTimeView& RealTime() { return *realTime_; }
    RotatorDialogView& RotatorDialog() { return *rotatorDialog_; }
    RotctldClient& Rotator() { return rotator_; }
    const RotatorSettings& RotatorChoice() const { return rotatorSettings_; }
    RadioDialogView& RadioDialog() { return *radioDialog_; }
    RigctldClient& Radio() { return radio_; }
    const RadioSettings& RadioChoice() const { return radioSettings_; }
    WsjtxListener& Wsjtx() { return wsjtx_; }
    const WsjtxSettings& WsjtxChoice() const { return wsjtxSettings_; }
    OwnViewers& Viewers() { return *viewers_; }
    WindowsView& Windows() { return *windows_; }
    WindowsWindowModel& WindowsModel() { return windowsModel_; }
    // True once the window asked for the program to end.
    bool EndRequested() const { return model_.EndRequested(); }

  private:
    // True when the program (or the desktop for it) took the file.
    bool Launch(const std::string& program, const std::string& file);
    // Arms the one-second timer for just after the next whole second of the clock, so that the
    // seconds shown never jump or repeat.
    void ArmTimer();
    // The world-map picture of the real-time window.
    std::filesystem::path MapPicture() const;
    // The rotator: its settings from VELMORANT.INI, the dialog, the link's label.
    void WireRotator();
    // The radio: its settings from VELMORANT.INI, the dialog, the link's label.
    void WireRadio();
    // Following WSJT-X: its settings from VELMORANT.INI, its Status messages to the DX row and
    // the rotator, the header band's label. The settings are edited in the rotator's dialog.
    void WireWsjtx();
    // Listens as the settings say (or stops listening); the reason when it cannot.
    std::string ListenToWsjtx();
    // Where the manual's text may lie: the working folder, then the installed data folders.
    std::vector<std::filesystem::path> ManualFolders() const;

    std::filesystem::path folder_;
    LaunchActions launch_;
    LocalClock clock_;
    FileDefaultsStorage defaults_;
    FileTextStorage stations_;
    FileReportDestination report_;
    IniSettingsFile settingsFile_;
    RotatorSettings rotatorSettings_;
    std::vector<std::string> rotatorNotes_;  // values of VELMORANT.INI that did not read
    RotctldClient rotator_;
    RadioSettings radioSettings_;
    std::vector<std::string> radioNotes_;  // values of VELMORANT.INI that did not read
    RigctldClient radio_;
    WsjtxSettings wsjtxSettings_;
    std::vector<std::string> wsjtxNotes_;  // values of VELMORANT.INI that did not read
    WsjtxListener wsjtx_;
    WsjtxActivity wsjtxActivity_;
    std::string wsjtxProblem_;  // why the listener could not listen
    MessageBoxPresenter messages_;
    MainWindowModel model_;
    std::unique_ptr<MainWindowView> view_;
    std::unique_ptr<StationDialogView> dialog_;
    std::unique_ptr<RealTimeView> realTime_;
    std::unique_ptr<RotatorDialogView> rotatorDialog_;
    std::unique_ptr<RadioDialogView> radioDialog_;
    std::unique_ptr<OwnViewers> viewers_;
    WindowsWindowModel windowsModel_;
    std::unique_ptr<WindowsView> windows_;
    std::unique_ptr<WindowPlacer> placer_;
    QTimer tmrWatch_;
};

// Registers similar faces for the window's fonts where they are missing (the window does it
// when it is built).
void RegisterFontSubstitutes();

}  // namespace velmorant
