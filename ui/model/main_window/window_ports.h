// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "run/clock.h"
#include "run/planning/planning_form.h"
#include "ui/model/planning/date_rules.h"
#include "ui/model/radio/radio_settings.h"
#include "ui/model/rotator/rotator_move.h"
#include "ui/model/rotator/rotator_settings.h"
#include "ui/model/wsjtx/wsjtx_activity.h"

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
class RotatorLink;
class RadioLink;
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
    // The antenna rotator: the operator's settings (VELMORANT.INI [Rotator]) and the link to
    // rotctld. Without both the rotator is left alone.
    const RotatorSettings* RotatorChoice = nullptr;
    RotatorLink* Rotator = nullptr;
    // The radio tuned for the Moon's Doppler shift: the operator's settings (VELMORANT.INI
    // [Radio]) and the link to rigctld. Without both the radio is left alone.
    const RadioSettings* RadioChoice = nullptr;
    RadioLink* Radio = nullptr;
    // WSJT-X's periods as its Status messages tell them, while the operator follows WSJT-X
    // (none: not followed); each pass takes in the Status messages come since the last one,
    // then shows what they say (the pass's UTC second on the rotator's count).
    WsjtxActivity* Wsjtx = nullptr;
    std::function<void(const WsjtxActivity& activity, double utcSecond)> ShowWsjtx;
};

// A rotator controller reached through rotctld (the Qt client, or a test's recorder). Nothing
// here waits on the network: answers, faults and positions go to the window by the link itself.
class RotatorLink {
  public:
    virtual ~RotatorLink() = default;
    // Keeps one connection to rotctld at host:port from now on, trying again after a failure,
    // until Close; returns at once. Another address closes the old connection first.
    virtual void Open(const std::string& host, int port) = 0;
    // Sends `P` for this aim now ("P 181.30 14.00"); false when there is no connection to send
    // it on (the move is then due again at the next pass).
    virtual bool SendMove(const RotatorAim& aim) = 0;
    // How many connections have been made: a new one means rotctld may have restarted and its
    // rotator may stand elsewhere.
    virtual int Connections() const = 0;
    // STOP: `S` once when connected, then the connection closes and no retries follow.
    virtual void Close() = 0;
};
class StationDialog;
class TextFileStorage;

// The program's own windows for the report and the manual, for when the operator's program could
// not open them. They are ordinary windows of the program: no terminal, no other program.
class DocumentViewer {
  public:
    virtual ~DocumentViewer() = default;
    // Shows the planning report at `report` (a full path) read-only, with `note` (why the program
    // shows it itself) above it. False when the report cannot be read.
    virtual bool ShowReport(const std::filesystem::path& report, std::string_view note) = 0;
    // Shows the user manual with its pictures and a table of contents, with `note` above it.
    // False when the manual's text cannot be found.
    virtual bool ShowManual(std::string_view note) = 0;
};

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
    // Opens the finished report in the operator's text editor (program path, report name) and
    // returns at once: true when the editor (or the desktop for it) took the file. The headless
    // command leaves it empty.
    std::function<bool(const std::string& editor, const std::string& report)> LaunchEditor;
    // Shows the report when the editor could not; the headless command leaves it empty.
    DocumentViewer* Viewer = nullptr;
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
    // as the text editor's. True when the program (or the desktop for it) took the file.
    std::function<bool(const std::string& program, const std::string& file)> OpenWithProgram;
    // The folder the manual lies in, for the full path the messages name.
    std::filesystem::path Folder = ".";
    // Shows the manual when the reader could not.
    DocumentViewer* Viewer = nullptr;
};

}  // namespace velmorant
