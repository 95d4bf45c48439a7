// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_command.h"

#include <filesystem>
#include <system_error>

#include <QApplication>

#include "ui/qt/desktop/working_folder.h"
#include "ui/qt/main_window/window_application.h"

namespace velmorant {

int RunWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    SetApplicationIdentity();
    const std::filesystem::path folder = ChooseWorkingFolder();
    // The program's files are named relative to its folder, as the operator knows them.
    std::error_code error;
    std::filesystem::current_path(folder, error);

    WindowApplication window(folder);
    if (!window.Start()) {
        return 1;  // the missing-file message has been shown
    }
    window.View().show();
    return QApplication::exec();
}

}  // namespace velmorant
