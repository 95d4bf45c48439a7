// SPDX-License-Identifier: GPL-3.0-or-later
// HELP, EXIT, WINDOWS, the closing of the window and the one-second timer.

#include "ui/model/desktop/own_viewer_notes.h"
#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

namespace {

// The user manual, beside the program's other files.
constexpr const char* kHelpManualFileName = "QVHELP.PDF";

}  // namespace

void MainWindowModel::cmdHELP_Click() {
    OpenHelpManual();
}

void MainWindowModel::OpenHelpManual() {
    // The manual belongs with the program's files: without it the installation is incomplete,
    // as with a missing station list or defaults file.
    if (!Help.FileExists || !Help.FileExists(kHelpManualFileName)) {
        ShowMissingFileAndEnd(Context());
        return;
    }
    // The reader path is passed as the operator typed it, blanks included.
    const std::string reader = txtAdobeReader.Text;
    if (Help.OpenWithProgram && Help.OpenWithProgram(reader, kHelpManualFileName)) {
        return;
    }
    // No reader: the manual is shown by the program itself, with its pictures and contents.
    const std::filesystem::path manual = FullPathOf(Help.Folder, kHelpManualFileName);
    if (Help.Viewer != nullptr &&
        Help.Viewer->ShowManual(OwnViewerNote(ProgramRole::PdfReader, reader, manual))) {
        return;
    }
    const RunMessage message = FileNotOpenedMessage(ProgramRole::PdfReader, reader, manual);
    messages_.ShowMessage(message.Text, message.Title);
}

void MainWindowModel::cmdEXIT_Click() {
    RequestEnd();
}

void MainWindowModel::cmdWINDOWS_Click() {
    if (Hooks.OpenWindows) {
        Hooks.OpenWindows();
    }
}

void MainWindowModel::Form_QueryUnload() {
    if (Hooks.CloseOtherWindows) {
        Hooks.CloseOtherWindows();
    }
}

void MainWindowModel::tmrWatch_Timer() {
    // Between real-time passes the timer is idle; a planning run never needs it.
    if (RealTimeMode) {
        cmdRUN_Click();
    }
}

}  // namespace velmorant
