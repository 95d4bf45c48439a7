#pragma once

#include <filesystem>
#include <memory>

#include <QTimer>

#include "run/report/report_destination.h"
#include "ui/model/defaults_storage.h"
#include "ui/model/local_clock.h"
#include "ui/model/main_window_model.h"
#include "ui/model/text_storage.h"
#include "ui/model/windows_window_model.h"
#include "ui/qt/main_window_view.h"
#include "ui/qt/message_box_presenter.h"
#include "ui/qt/program_launcher.h"
#include "ui/qt/real_time_view.h"
#include "ui/qt/station_dialog_view.h"
#include "ui/qt/windows_view.h"

namespace velmorant {

// One session of the window over the program's folder: the model with its files, the main
// window and the confirmation dialog, the launcher of the editor and the PDF reader, and the
// one-second timer. The program's main and the window tests both build it.
class WindowApplication {
  public:
    // `folder` holds VELMORANT.DAT, CALL3.TXT, QVSKYTEMP.DAT and QVHELP.PDF; the report
    // VELMORANT.TXT is written there. `launch` starts the editor and the reader (tests record).
    // `chooseFile` names the file the WINDOWS window saves its chart into (the desktop's file
    // dialog by default).
    explicit WindowApplication(std::filesystem::path folder,
                               LaunchActions launch = DesktopLaunchActions(),
                               WindowsView::FileChooser chooseFile = {});

    // Start-up: loads the saved defaults into the window and starts the timer. False when the
    // program must end (the defaults file is missing); the message has been shown.
    bool Start();

    MainWindowModel& Model() { return model_; }
    MainWindowView& View() { return *view_; }
    StationDialogView& Dialog() { return *dialog_; }
    RealTimeView& RealTime() { return *realTime_; }
    WindowsView& Windows() { return *windows_; }
    WindowsWindowModel& WindowsModel() { return windowsModel_; }
    // True once the window asked for the program to end.
    bool EndRequested() const { return model_.EndRequested(); }

  private:
    void Launch(const std::string& program, const std::string& file);
    // Arms the one-second timer for just after the next whole second of the clock, so that the
    // seconds shown never jump or repeat.
    void ArmTimer();
    // The world-map picture of the real-time window.
    std::filesystem::path MapPicture() const;

    std::filesystem::path folder_;
    LaunchActions launch_;
    LocalClock clock_;
    FileDefaultsStorage defaults_;
    FileTextStorage stations_;
    FileReportDestination report_;
    MessageBoxPresenter messages_;
    MainWindowModel model_;
    std::unique_ptr<MainWindowView> view_;
    std::unique_ptr<StationDialogView> dialog_;
    std::unique_ptr<RealTimeView> realTime_;
    WindowsWindowModel windowsModel_;
    std::unique_ptr<WindowsView> windows_;
    QTimer tmrWatch_;
};

// Registers similar faces for the window's fonts where they are missing (the window does it
// when it is built).
void RegisterFontSubstitutes();

}  // namespace velmorant
