// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "run/planning/perform_planning_run.h"
#include "run/window_inputs.h"
#include "stations/callsign_search.h"
#include "stations/station_list_edit.h"
#include "stations/station_record.h"
#include "ui/model/defaults/defaults_file.h"
#include "ui/model/defaults/defaults_storage.h"
#include "ui/model/defaults/saved_defaults.h"
#include "ui/model/main_window/controls.h"
#include "ui/model/main_window/main_window_controls.h"
#include "ui/model/main_window/window_ports.h"
#include "ui/model/main_window/window_writer.h"
#include "ui/model/planning/planning_session.h"
#include "ui/model/real_time/real_time_session.h"
#include "ui/model/station_dialog/display_text.h"
#include "ui/model/station_dialog/station_row.h"
#include "ui/model/station_dialog/station_workflow.h"
#include "ui/model/wsjtx/wsjtx_dx.h"

// The behaviour of the main window frmInput, without any toolkit. The controls are public
// members named as the window names them; the operator's actions and the window's event
// handlers are methods. The Qt view and the headless command both drive this one model: the
// view forwards widget events to the actions and repaints a widget when the model reports that
// its control changed. Code that changes a control goes through the actions or the methods
// under "Changes made by code", so that the view hears of it.

namespace velmorant {

// The outcome of an action the caller may get wrong (an unknown control, a bad value).
struct ActionResult {
    bool Ok = true;
    std::string Error;  // what to tell the operator when ok is false

    static ActionResult Done() { return {}; }
    static ActionResult Refused(std::string why) { return {false, std::move(why)}; }
};

// Read-only access to one control found by name; std::monostate when no control has the name.
using ControlView = std::variant<std::monostate, const TextBox*, const ComboBox*, const CheckBox*,
                                 const Label*, const Button*>;

class MainWindowModel : public MainWindowControls {
  public:
    // The controls start with their initial contents; Form_Load then loads the saved defaults.
    MainWindowModel(const Clock& clock, DefaultsStorage& storage, MessagePresenter& messages);
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    WindowHooks Hooks;
    // What a run reaches outside the window: its folder and report, the text editor.
    RunServices Run;
    // The real-time window and QVAZEL.DAT.
    RealTimeServices RealTime;
    // The Moon's topocentric declination at the previous map update (its label turns red when
    // the declination falls); kept for the whole life of the window.
    double PreviousTopocentricDec = 0;
    // The station list CALL3.TXT and the confirmation dialog frmUpdate.
    StationServices Stations;
    // Record number of the last callsign search, shared by both stations (0: not found).
    int FoundRecordNumber = 0;

    // Window-level state that outlives a run.
    bool RealTimeMode = false;    // while a real-time display is running
    bool RealTimeFresh = false;   // until the first map update after start-up or STOP
    std::string SavedObjectName;  // custom object name last loaded or saved
    // The dates as the date checks last read them; dates are day counts (DaysSince1970).
    std::int16_t StartMonth = 0, StartDay = 0, StartYear = 0;
    std::int16_t EndMonth = 0, EndDay = 0, EndYear = 0;
    std::int64_t StartDate = 0, EndDate = 0;
    // The Home azimuth limits in degrees.
    float AzMin = 0.0f;
    float AzMax = 360.0f;

    // True once the window has asked for the program to end (also told through the hook).
    bool EndRequested() const { return endRequested_; }
    // A visible STOP button means a run is in progress.
    bool RunInProgress() const { return cmdStop.Visible; }

    // The control with this exact name.
    ControlView FindControl(std::string_view name) const;

    // The window's contents as a run reads them.
    WindowInputs Inputs() const;

    // --- Operator actions, by control name. Each runs the handlers the window runs. ---

    // Typing into a text box (its change handler runs: txtAZMIN, txtAZMAX, txtTimeDif) or into
    // a combo box (no handler; no item is left chosen).
    ActionResult TypeText(std::string_view control, std::string_view text);
    // Choosing item `index` of a combo box; runs its click handler (date lists, cboCelestial).
    ActionResult ChooseItem(std::string_view control, int index);
    // The operator has finished typing into a list (Enter, or leaving the box). A list that
    // takes typed text as an item (the date lists) chooses the item the text names, running its
    // click handler as ChooseItem does, and refuses a text naming no item: it keeps its chosen
    // item and the view shows that item's text again. Any other list takes the text as
    // TypeText does.
    ActionResult EnterText(std::string_view control, std::string_view text);
    // Checking or unchecking a box; its click handler runs when the state changes.
    ActionResult SetChecked(std::string_view control, bool checked);
    // Clicking a control that reacts to a click (its table entry has a click handler): the
    // buttons, the two toggle labels and the year boxes.
    ActionResult Click(std::string_view control);
    // A key typed into a box with a key handler (the callsign and locator boxes): `key` comes
    // back as the box should receive it (see txtCallsignHome_KeyPress).
    ActionResult KeyPress(std::string_view control, int& key);
    // The headless `--set NAME=TEXT`: a text box takes TEXT as typed; a combo box chooses the
    // item whose text equals TEXT (running its handler), a date list the item TEXT names (as
    // EnterText), else takes TEXT typed; a check box takes "1" or "0".
    ActionResult ApplySetting(std::string_view control, std::string_view text);

    // --- Handlers, named after the control and the event. ---

    // Start-up: hides the status line, marks the real-time display fresh, loads the saved
    // defaults (ending the program when the file is missing), sets both dates to today and
    // shows the range row of the Home station.
    void Form_Load();
    // SET DEFAULTS: saves the window into the defaults file (not while a run is in progress).
    void cmdSET_Click();
    // RESTART: resets the window and loads the saved defaults (not while a run is in progress).
    void cmdRESTART_Click();
    // The station buttons: lookup in CALL3.TXT, locator calculation, add/replace/delete.
    void cmdHomeLookup_Click();
    void cmdDXLookup_Click();
    void cmdLocatorHomeCalc_Click();
    void cmdLocatorDXCalc_Click();
    void cmdAddHome_Click();
    void cmdAddDX_Click();

    // --- Keyboard automation of the station boxes, HELP, EXIT and the timer. ---

    // The user manual QVHELP.PDF and the PDF reader that opens it.
    HelpServices Help;

    // A key typed into a station box, before the box inserts it: ESC 27, Backspace 8, any
    // other character its Unicode code point. Only while cboEsc shows exactly "Y" the handler
    // acts and may replace the key by 0 (discard it) or 10 (the handler has appended the
    // character itself; the box inserts nothing). Callsign boxes: ESC looks the callsign up,
    // "[" and "]" browse the station list after an exact find, letters and digits are appended
    // in capitals, Backspace empties the box, 12 characters at most; the focus returns to the
    // box. Locator boxes: ESC completes the locator, field letters become capitals and
    // subsquare letters lower case, Backspace empties the box, 6 characters at most.
    void txtCallsignHome_KeyPress(int& key);
    void txtCallsignDX_KeyPress(int& key);
    void txtLocatorHome_KeyPress(int& key);
    void txtLocatorDX_KeyPress(int& key);
    // HELP: opens the user manual.
    void cmdHELP_Click();
    // Opens QVHELP.PDF with the PDF reader named in txtAdobeReader and returns at once; when the
    // reader cannot open it, the program's own help viewer shows the manual; when the manual is
    // missing, the missing-file message and then the end of the program.
    void OpenHelpManual();
    // EXIT: ends the program at once, even while a run is in progress.
    void cmdEXIT_Click();
    // WINDOWS: opens the window of the chart and the mutual windows (through the hook).
    void cmdWINDOWS_Click();
    // The window is about to close: the other windows close with it. Never cancels.
    void Form_QueryUnload();
    // The one-second timer: each tick makes the next pass of a real-time display.
    void tmrWatch_Timer();
    // A Status from WSJT-X, while the operator follows it: its DX station into the DX row
    // (WsjtxDxFollower), and a running real-time display follows at once, its map too.
    void TakeWsjtxStations(const WsjtxStations& stations);

    // RUN: a planning run from the window's contents, ending in the text editor.
    void cmdRUN_Click();
    // How the last planning run ended.
    PlanningRunResult::Kind LastPlanningOutcome() const { return lastPlanningOutcome_; }
    // STOP, the window's part: idle state with RUN shown and the keyboard focus on it; the hook
    // closes the run's files and hides the real-time window.
    void cmdStop_Click();
    // STOP without moving the focus: for a typed clock offset or a chosen object, where the
    // operator goes on working in that box.
    void StopRuns();

    // Home display box: shows the azimuth pair (and takes its limits) when checked, hides the
    // whole range row when not; both display boxes clear the real-time map.
    void chkDisplayHome_Click();
    void chkDisplayDX_Click();
    // An azimuth limit outside 0 ... 360 is replaced by "0" (txtAZMIN) or "360" (txtAZMAX).
    void txtAZMIN_Change();
    void txtAZMAX_Change();
    // A new clock offset stops a run in progress.
    void txtTimeDif_Change();

    // Date checks: days cut back to their month, the end never left before the start.
    void cboMonthStart_Click();
    void cboDayStart_Click();
    void cboMonthEnd_Click();
    void cboDayEnd_Click();
    void txtYearStart_Click();
    void txtYearEnd_Click();
    // Both dates set to the clock's current local date.
    void SetDatesToToday();

    // The object list: shows the coordinate boxes, fills in presets, then stops any run.
    void cboCelestial_Click();

    // The toggle labels: editor path or PDF-reader path; azimuth range or UTC time range.
    void lblTextEditor_Click();
    void lblAzRange_Click();

    // --- Changes made by code, for handlers built on this model. Each tells the view. ---

    // The window's writer (see WindowWriter): puts a text into a box as code does, its change
    // handler running when the text changes; sets list texts and choices, check states,
    // captions and visibility, with no handler.
    void PutText(TextBox& box, std::string_view text) { writer_.PutText(box, text); }
    void PutComboText(ComboBox& box, std::string_view text) { writer_.PutComboText(box, text); }
    void SelectItem(ComboBox& box, int index) { writer_.SelectItem(box, index); }
    void SetCheck(CheckBox& box, bool checked) { writer_.SetCheck(box, checked); }
    void SetCaption(Label& label, std::string_view caption) { writer_.SetCaption(label, caption); }
    void SetCaption(Button& button, std::string_view caption) {
        writer_.SetCaption(button, caption);
    }
    template <typename Control>
    void Show(Control& control, bool visible) {
        writer_.Show(control, visible);
    }
    // Fills a station row with a station of CALL3.TXT as the row's lookup button fills it after
    // an exact find of that station (ListStations delivers such records).
    void ShowFoundStation(const StationRow& row, const StationRecord& record) {
        stations_.FillFound(row, ShownStation(record));
    }
    // Whether the status line shows the find of a callsign search (an exact match or a browsed
    // station), as the search wrote it.
    bool StatusShowsFind() const { return stations_.StatusShowsFind(); }

  private:
    void Changed(const void* control) { writer_.Changed(control); }
    void RequestEnd();
    // What the workflows work with.
    WindowContext Context();
    // Runs the handler of `event` in the table entry of the control at this address, if any.
    void RunHandler(const void* control, WindowAction ControlEntry::*event);
    void RunChangeHandler(const TextBox& box);
    void RunClickHandler(const ComboBox& box);
    void RunCheckHandler(const CheckBox& box);

    // Date checks.
    bool StartDateSteps();
    void CopyStartToEnd(bool copyDayOnlyWhenChosen);

    const Clock& clock_;
    DefaultsStorage& storage_;
    MessagePresenter& messages_;
    bool endRequested_ = false;
    PlanningRunResult::Kind lastPlanningOutcome_ = PlanningRunResult::Kind::Completed;

    // Which pair the range row shows, which program path the Text Editor place shows.
    bool showingTimeRange_ = false;
    bool showingPdfReader_ = false;

    WindowWriter writer_;
    StationWorkflow stations_;
    SavedDefaults defaults_;
    PlanningSession planning_;
    RealTimeSession realTime_;
    WsjtxDxFollower wsjtxDx_;
};

}  // namespace velmorant
