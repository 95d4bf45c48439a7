// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/model/main_window/controls.h"

// Every control of the main window with its contents at start, before the saved defaults are
// loaded. Members carry the names the rest of the system (and the window's layout file) uses,
// so a widget finds its state by its object name.

namespace velmorant {

// "Jan" ... "Dec".
std::vector<std::string> MonthListItems();
// " 1" ... " 9", "10" ... "31": one-digit days carry a leading blank.
std::vector<std::string> DayListItems();
// The object list in its fixed order; the saved defaults store the position.
std::vector<std::string> CelestialListItems();

inline constexpr std::string_view kAzimuthRangeCaption = " Azimuth   Range";
inline constexpr std::string_view kTimeRangeCaption = "  GMT      Range";
inline constexpr std::string_view kTextEditorCaption = "Text Editor";
inline constexpr std::string_view kPdfReaderCaption = "Adobe Rdr";

struct MainWindowControls {
    Label lblTitle{.Caption = "VELMORANT"};

    // Dates.
    Label lblStartDate{.Caption = "Start Date"};
    ComboBox cboMonthStart{.Items = MonthListItems()};
    ComboBox cboDayStart{.Items = DayListItems()};
    TextBox txtYearStart;
    Label lblEndDate{.Caption = "End Date"};
    ComboBox cboMonthEnd{.Items = MonthListItems()};
    ComboBox cboDayEnd{.Items = DayListItems()};
    TextBox txtYearEnd;
    TextBox txtDateCalc{.Visible = false};  // callsign-search status line

    // Column headings of the station block.
    Label lbLatitude{.Caption = "Latitude"};
    Label lblLongitude{.Caption = "Longitude"};
    Label lblDegrees{.Caption = "Degrees"};
    Label lblDisplay{.Caption = "Display"};
    Label lbCallsign{.Caption = "Callsign/Lookup"};
    Label lblLocator{.Caption = "Locator"};
    Label lblAdd{.Caption = "Add"};
    Label lbLatDeg{.Caption = "Deg"};
    Label lblLatMin{.Caption = "Min"};
    Label lbLatSec{.Caption = "Sec"};
    Label lblLatDir{.Caption = "Dir"};
    Label lblLonDeg{.Caption = "Deg"};
    Label lbLonMin{.Caption = "Min"};
    Label lbLonSec{.Caption = "Sec"};
    Label lblLonDir{.Caption = "Dir"};
    Label lblAboveDeg{.Caption = "Above"};
    Label lblBelowDeg{.Caption = "Below"};

    // Home station row.
    CheckBox chkDisplayHome{.Checked = true};
    Label lblHome{.Caption = "Home"};
    TextBox txtCallsignHome;
    Button cmdHomeLookup;
    TextBox txtLocatorHome;
    Button cmdLocatorHomeCalc;
    Button cmdAddHome;
    TextBox txtLatDegHome{.Text = "00"};
    TextBox txtLatMinHome{.Text = "00"};
    TextBox txtLatSecHome{.Text = "00"};
    ComboBox cboLatDirHome{.Items = {"N", "S"}};
    TextBox txtLonDegHome{.Text = "00"};
    TextBox txtLonMinHome{.Text = "00"};
    TextBox txtLonSecHome{.Text = "00"};
    ComboBox cboLonDirHome{.Items = {"E", "W"}};
    TextBox txtAboveHome{.Text = "-2"};
    TextBox txtBelowHome{.Text = "90"};
    TextBox txtNotesHome{.Visible = false};

    // DX station row.
    CheckBox chkDisplayDX{.Checked = true};
    Label lblDXSTN{.Caption = "DX Stn"};
    TextBox txtCallsignDX;
    Button cmdDXLookup;
    TextBox txtLocatorDX;
    Button cmdLocatorDXCalc;
    Button cmdAddDX;
    TextBox txtLatDegDX{.Text = "00"};
    TextBox txtLatMinDX{.Text = "00"};
    TextBox txtLatSecDX{.Text = "00"};
    ComboBox cboLatDirDX{.Items = {"N", "S"}};
    TextBox txtLonDegDX{.Text = "000"};
    TextBox txtLonMinDX{.Text = "00"};
    TextBox txtLonSecDX{.Text = "00"};
    ComboBox cboLonDirDX{.Items = {"E", "W"}};
    TextBox txtAboveDX{.Text = "-2"};
    TextBox txtBelowDX{.Text = "90"};
    TextBox txtNotesDX{.Visible = false};

    // Optional range of the Home station: the azimuth pair and the time pair share one place.
    Label lblAzRange{.Caption = std::string(kAzimuthRangeCaption), .Visible = false};
    TextBox txtAZMAX{.Text = "360", .Visible = false};
    TextBox txtAZMIN{.Text = "0", .Visible = false};
    TextBox txtGMTMIN{.Text = "0000", .Visible = false};
    TextBox txtGMTMAX{.Text = "2400", .Visible = false};

    // Object and mode.
    Label lblObject{.Caption = "Object"};
    Label lblObjectRA{.Caption = "Right Ascension", .Visible = false};
    Label lblObjectDeclination{.Caption = "Declination", .Visible = false};
    Label lblOutput{.Caption = "Operation"};
    ComboBox cboCelestial{.Items = CelestialListItems()};
    TextBox txtEnterObject{.Text = "(Enter Other Here)", .Visible = false};
    TextBox txtCelestialRAhours{.Visible = false};
    Label lblObjectHours{.Caption = "Hours", .Visible = false};
    TextBox txtCelestialRAminutes{.Visible = false};
    Label lblObjectMin{.Caption = "Minutes", .Visible = false};
    TextBox txtCelestialDec{.Visible = false};
    Label lblObjectDegrees{.Caption = "Degrees", .Visible = false};
    ComboBox cboOperation{.Items = {"Planning", "Real-Time"}};

    // Options.
    Label lbIncrement{.Caption = "Increment"};
    TextBox txtIncrementMinutes{.Text = "15"};
    Label lblIncrMinutes{.Caption = "Minutes"};
    Label lblEsc{.Caption = "ESC"};
    ComboBox cboEsc{.Items = {"N", "Y"}};
    Label lblRCVRNoise{.Caption = "Rcvr noise temp deg K"};
    TextBox txtNoise;
    Label lblMaxDegradation{.Caption = "Maximum dB Degradation"};
    TextBox txtMaxDegradation{.Text = "0"};
    Label lblTimeDif{.Caption = "Computer Clock  Hours minus UTC"};
    TextBox txtTimeDif{.Text = "0"};

    // Output options; the editor path and the PDF-reader path share one place.
    Label lblLines{.Caption = "Lines per output page"};
    TextBox txtOutputLines{.Text = "22"};
    Label lblRegion{.Caption = "Region"};
    ComboBox cboRegion{.Items = {" 1", " 2", " 3"}};
    Label lblUnits{.Caption = "Units"};
    ComboBox cboUnits{.Items = {"km", "mi"}};
    Label lbBand{.Caption = "Band"};
    ComboBox cboBand{.Items = {"50", "144", "220", "432", "1296", "2304", "3400", "5760", "10368"},
                     .SelectedIndex = 0,
                     .Text = "50"};
    Label lblTextEditor{.Caption = std::string(kTextEditorCaption)};
    TextBox txtTextEditor{.Text = "%Systemroot%\\notepad.exe"};
    TextBox txtAdobeReader{.Text = "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe",
                           .Visible = false};

    // Commands; RUN and STOP share one place, and a visible STOP means a run is in progress.
    Button cmdRUN{.Caption = "RUN"};
    Button cmdStop{.Caption = "STOP", .Visible = false};
    Button cmdSET{.Caption = "SET DEFAULTS"};
    Button cmdRESTART{.Caption = "RESTART"};
    Button cmdHELP{.Caption = "HELP"};
    Button cmdEXIT{.Caption = "EXIT"};
    Button cmdWINDOWS{.Caption = "WINDOWS"};  // the chart and the mutual windows

    // Never shown: their texts carry requests and answers between parts of the window.
    TextBox txtSearch{.Visible = false};
    TextBox txtReplace{.Visible = false};
    TextBox txtDelete{.Visible = false};
    TextBox txtCancel{.Visible = false};
};

using ControlMember = std::variant<TextBox MainWindowControls::*, ComboBox MainWindowControls::*,
                                   CheckBox MainWindowControls::*, Label MainWindowControls::*,
                                   Button MainWindowControls::*>;

class MainWindowModel;
using WindowAction = void (MainWindowModel::*)();
using WindowKeyAction = void (MainWindowModel::*)(int& key);
// The item of a list a typed text names (its 0-based position), or -1.
using TypedItemRule = int (*)(const std::vector<std::string>& items, std::string_view typed);

// A control, its name and its event handlers (null where it has none).
struct ControlEntry {
    std::string_view Name;
    ControlMember Member;
    WindowAction Click = nullptr;   // a mouse click: buttons, clickable labels, the year boxes
    WindowAction Choose = nullptr;  // an item chosen from a list, a box checked or unchecked
    WindowAction Change = nullptr;  // the text of a box changed
    WindowKeyAction Key = nullptr;  // a key typed into a box, before the box inserts it
    // A list that takes a typed text as the item it names (the date lists); null where a typed
    // text stays as typed.
    TypedItemRule TypedItem = nullptr;
};

// Every control of the window with its name and handlers, in the order of the window's rows.
std::span<const ControlEntry> ControlTable();

// The entry of the control with this exact name, or nullptr.
const ControlEntry* FindControlEntry(std::string_view name);

// The entry of the control at this address within `controls`, or nullptr.
const ControlEntry* FindControlEntry(const MainWindowControls& controls, const void* control);

}  // namespace velmorant
