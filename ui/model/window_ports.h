#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "run/clock.h"
#include "run/planning/planning_form.h"
#include "ui/model/date_rules.h"

// What the main window needs from outside itself, kept small so that the Qt view, the headless
// command and the tests each supply their own.

namespace velmorant {

// Modal messages with a text, a title and an OK button.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    virtual void ShowMessage(std::string_view text, std::string_view title) = 0;
};

// Notifications to whoever hosts the window. Any of them may be left empty.
struct WindowHooks {
    // A control's content, selection, visibility or caption changed: refresh that widget.
    std::function<void(std::string_view controlName)> ControlChanged;
    // The part of STOP outside the window: close the run's open files and hide the real-time
    // window.
    std::function<void()> CloseRunFilesAndHideRealTime;
    // Clear the map of the real-time window; it is drawn again at its next update.
    std::function<void()> ClearRealTimeMap;
    // End the program: close every window and file.
    std::function<void()> EndProgram;
    // Move the keyboard focus to this control.
    std::function<void(std::string_view controlName)> MoveFocus;
    // The main window is closing: close every other window of the program (the real-time
    // window, the station dialog), so that the program ends with it.
    std::function<void()> CloseOtherWindows;
    // Open (or bring forward) the window of the chart and the mutual windows.
    std::function<void()> OpenWindows;
};

class ReportDestination;
struct RealTimeFrame;
struct MapUpdateFrame;

// The real-time window frmRT and the az/el file for other programs.
struct RealTimeServices {
    // Shows the window (not modal) with the object's name.
    std::function<void(const std::string& celestialCaption)> Open;
    // The labels of a pass.
    std::function<void(const RealTimeFrame& frame)> ShowPass;
    // The once-a-minute map update: the map and the topocentric labels.
    std::function<void(const MapUpdateFrame& frame)> ShowMapUpdate;
    // Replaces QVAZEL.DAT with this line (CR LF added); false when it cannot be written, and the
    // next update tries again.
    std::function<bool(const std::string& line)> WriteAzEl;
};
class StationDialog;
class TextFileStorage;

// The station list and its confirmation dialog.
struct StationServices {
    // CALL3.TXT; without one the list counts as missing.
    TextFileStorage* List = nullptr;
    // frmUpdate; without one every confirmation counts as cancelled.
    StationDialog* Dialog = nullptr;
};

// What a run needs from outside the window.
struct RunServices {
    // The program's folder: QVSKYTEMP.DAT is read from it.
    std::filesystem::path Folder = ".";
    // Where a planning run writes its report; without one a planning run is refused.
    ReportDestination* Report = nullptr;
    // What it writes there: the paged report (the window), or its rows (`plan --format`).
    PlanningForm Form = PlanningForm::Report;
    // Opens the finished report in the operator's text editor (program path, report name);
    // the headless command leaves it empty.
    std::function<void(const std::string& editor, const std::string& report)> LaunchEditor;
    // Called at every date of a planning run, after the date shows in the status line: lets the
    // window repaint and take a STOP. The headless command leaves it empty.
    std::function<void()> KeepResponsive;
};

// The user manual and the program that shows it.
struct HelpServices {
    // Whether a file of this name lies in the program's folder; without one every file counts
    // as missing.
    std::function<bool(const std::string& fileName)> FileExists;
    // Starts `program` with `file` on its command line and returns at once; the same launcher
    // as the text editor's.
    std::function<void(const std::string& program, const std::string& file)> OpenWithProgram;
};

}  // namespace velmorant
