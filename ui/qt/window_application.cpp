#include "ui/qt/window_application.h"

#include <QApplication>
#include <QFont>

#include "stations/station_list.h"

namespace velmorant {

void RegisterFontSubstitutes() {
    // Liberation Sans has the letter widths of the faces these forms were laid out with;
    // Comic Neue stands in for the title's face.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
}

WindowApplication::WindowApplication(std::filesystem::path folder, LaunchActions launch)
    : folder_(std::move(folder)),
      launch_(std::move(launch)),
      defaults_(folder_),
      stations_(folder_ / kStationListFileName),
      report_(folder_ / kReportFileName),
      model_(clock_, defaults_, messages_) {
    RegisterFontSubstitutes();
    view_ = std::make_unique<MainWindowView>(model_);
    dialog_ = std::make_unique<StationDialogView>(view_.get());
    messages_.SetParent(view_.get());

    model_.Run.Folder = folder_;
    model_.Run.Report = &report_;
    model_.Run.LaunchEditor = [this](const std::string& editor, const std::string& report) {
        Launch(editor, report);
    };
    // A long planning run repaints and takes a STOP between its dates.
    model_.Run.KeepResponsive = [] { QCoreApplication::processEvents(); };
    model_.Stations.List = &stations_;
    model_.Stations.Dialog = dialog_.get();
    model_.Help.FileExists = [this](const std::string& name) {
        std::error_code error;
        return std::filesystem::is_regular_file(folder_ / name, error);
    };
    model_.Help.OpenWithProgram = [this](const std::string& reader, const std::string& file) {
        Launch(reader, file);
    };
    model_.Hooks.EndProgram = [this] {
        if (view_) {
            view_->close();
        }
        QCoreApplication::exit(0);
    };
    model_.Hooks.CloseOtherWindows = [this] { dialog_->hide(); };

    tmrWatch_.setInterval(1000);
    QObject::connect(&tmrWatch_, &QTimer::timeout, [this] { model_.tmrWatch_Timer(); });
}

bool WindowApplication::Start() {
    tmrWatch_.start();
    model_.Form_Load();
    return !model_.EndRequested();
}

void WindowApplication::Launch(const std::string& program, const std::string& file) {
    const QString folder = QString::fromStdString(folder_.string());
    const LaunchResult result = OpenWithProgram(QString::fromUtf8(program.c_str()),
                                                QString::fromUtf8(file.c_str()), folder, launch_);
    if (!result.Launched()) {
        messages_.ShowMessage("Neither " + program + " nor the desktop could open " + file + ".",
                              "Program Not Started");
    }
}

}  // namespace velmorant
