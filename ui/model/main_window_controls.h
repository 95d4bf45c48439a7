#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/model/controls.h"

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
    Label lblTitle{.caption = "VELMORANT"};

    // Dates.
    Label lblStartDate{.caption = "Start Date"};
    ComboBox cboMonthStart{.items = MonthListItems()};
    ComboBox cboDayStart{.items = DayListItems()};
    TextBox txtYearStart;
    Label lblEndDate{.caption = "End Date"};
    ComboBox cboMonthEnd{.items = MonthListItems()};
    ComboBox cboDayEnd{.items = DayListItems()};
    TextBox txtYearEnd;
    TextBox txtDateCalc{.visible = false};  // callsign-search status line

    // Column headings of the station block.
    Label lbLatitude{.caption = "Latitude"};
    Label lblLongitude{.caption = "Longitude"};
    Label lblDegrees{.caption = "Degrees"};
    Label lblDisplay{.caption = "Display"};
    Label lbCallsign{.caption = "Callsign/Lookup"};
    Label lblLocator{.caption = "Locator"};
    Label lblAdd{.caption = "Add"};
    Label lbLatDeg{.caption = "Deg"};
    Label lblLatMin{.caption = "Min"};
    Label lbLatSec{.caption = "Sec"};
    Label lblLatDir{.caption = "Dir"};
    Label lblLonDeg{.caption = "Deg"};
    Label lbLonMin{.caption = "Min"};
    Label lbLonSec{.caption = "Sec"};
    Label lblLonDir{.caption = "Dir"};
    Label lblAboveDeg{.caption = "Above"};
    Label lblBelowDeg{.caption = "Below"};

    // Home station row.
    CheckBox chkDisplayHome{.checked = true};
    Label lblHome{.caption = "Home"};
    TextBox txtCallsignHome;
    Button cmdHomeLookup;
    TextBox txtLocatorHome;
    Button cmdLocatorHomeCalc;
    Button cmdAddHome;
    TextBox txtLatDegHome{.text = "00"};
    TextBox txtLatMinHome{.text = "00"};
    TextBox txtLatSecHome{.text = "00"};
    ComboBox cboLatDirHome{.items = {"N", "S"}};
    TextBox txtLonDegHome{.text = "00"};
    TextBox txtLonMinHome{.text = "00"};
    TextBox txtLonSecHome{.text = "00"};
    ComboBox cboLonDirHome{.items = {"E", "W"}};
    TextBox txtAboveHome{.text = "-2"};
    TextBox txtBelowHome{.text = "90"};
    TextBox txtNotesHome{.visible = false};

    // DX station row.
    CheckBox chkDisplayDX{.checked = true};
    Label lblDXSTN{.caption = "DX Stn"};
    TextBox txtCallsignDX;
    Button cmdDXLookup;
    TextBox txtLocatorDX;
    Button cmdLocatorDXCalc;
    Button cmdAddDX;
    TextBox txtLatDegDX{.text = "00"};
    TextBox txtLatMinDX{.text = "00"};
    TextBox txtLatSecDX{.text = "00"};
    ComboBox cboLatDirDX{.items = {"N", "S"}};
    TextBox txtLonDegDX{.text = "000"};
    TextBox txtLonMinDX{.text = "00"};
    TextBox txtLonSecDX{.text = "00"};
    ComboBox cboLonDirDX{.items = {"E", "W"}};
    TextBox txtAboveDX{.text = "-2"};
    TextBox txtBelowDX{.text = "90"};
    TextBox txtNotesDX{.visible = false};

    // Optional range of the Home station: the azimuth pair and the time pair share one place.
    Label lblAzRange{.caption = std::string(kAzimuthRangeCaption), .visible = false};
    TextBox txtAZMAX{.text = "360", .visible = false};
    TextBox txtAZMIN{.text = "0", .visible = false};
    TextBox txtGMTMIN{.text = "0000", .visible = false};
    TextBox txtGMTMAX{.text = "2400", .visible = false};

    // Object and mode.
    Label lblObject{.caption = "Object"};
    Label lblObjectRA{.caption = "Right Ascension", .visible = false};
    Label lblObjectDeclination{.caption = "Declination", .visible = false};
    Label lblOutput{.caption = "Operation"};
    ComboBox cboCelestial{.items = CelestialListItems()};
    TextBox txtEnterObject{.text = "(Enter Other Here)", .visible = false};
    TextBox txtCelestialRAhours{.visible = false};
    Label lblObjectHours{.caption = "Hours", .visible = false};
    TextBox txtCelestialRAminutes{.visible = false};
    Label lblObjectMin{.caption = "Minutes", .visible = false};
    TextBox txtCelestialDec{.visible = false};
    Label lblObjectDegrees{.caption = "Degrees", .visible = false};
    ComboBox cboOperation{.items = {"Planning", "Real-Time"}};

    // Options.
    Label lbIncrement{.caption = "Increment"};
    TextBox txtIncrementMinutes{.text = "15"};
    Label lblIncrMinutes{.caption = "Minutes"};
    Label lblEsc{.caption = "ESC"};
    ComboBox cboEsc{.items = {"N", "Y"}};
    Label lblRCVRNoise{.caption = "Rcvr noise temp deg K"};
    TextBox txtNoise;
    Label lblMaxDegradation{.caption = "Maximum dB Degradation"};
    TextBox txtMaxDegradation{.text = "0"};
    Label lblTimeDif{.caption = "Computer Clock  Hours minus UTC"};
    TextBox txtTimeDif{.text = "0"};

    // Output options; the editor path and the PDF-reader path share one place.
    Label lblLines{.caption = "Lines per output page"};
    TextBox txtOutputLines{.text = "22"};
    Label lblRegion{.caption = "Region"};
    ComboBox cboRegion{.items = {" 1", " 2", " 3"}};
    Label lblUnits{.caption = "Units"};
    ComboBox cboUnits{.items = {"km", "mi"}};
    Label lbBand{.caption = "Band"};
    ComboBox cboBand{.items = {"50", "144", "220", "432", "1296", "2304", "3400", "5760", "10368"},
                     .selectedIndex = 0,
                     .text = "50"};
    Label lblTextEditor{.caption = std::string(kTextEditorCaption)};
    TextBox txtTextEditor{.text = "%Systemroot%\\notepad.exe"};
    TextBox txtAdobeReader{.text = "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe",
                           .visible = false};

    // Commands; RUN and STOP share one place, and a visible STOP means a run is in progress.
    Button cmdRUN{.caption = "RUN"};
    Button cmdStop{.caption = "STOP", .visible = false};
    Button cmdSET{.caption = "SET DEFAULTS"};
    Button cmdRESTART{.caption = "RESTART"};
    Button cmdHELP{.caption = "HELP"};
    Button cmdEXIT{.caption = "EXIT"};

    // Never shown: their texts carry requests and answers between parts of the window.
    TextBox txtSearch{.visible = false};
    TextBox txtReplace{.visible = false};
    TextBox txtDelete{.visible = false};
    TextBox txtCancel{.visible = false};
};

using ControlMember = std::variant<TextBox MainWindowControls::*, ComboBox MainWindowControls::*,
                                   CheckBox MainWindowControls::*, Label MainWindowControls::*,
                                   Button MainWindowControls::*>;

class MainWindowModel;
using WindowAction = void (MainWindowModel::*)();
using WindowKeyAction = void (MainWindowModel::*)(int& key);

// A control, its name and its event handlers (null where it has none).
struct ControlEntry {
    std::string_view name;
    ControlMember member;
    WindowAction click = nullptr;   // a mouse click: buttons, clickable labels, the year boxes
    WindowAction choose = nullptr;  // an item chosen from a list, a box checked or unchecked
    WindowAction change = nullptr;  // the text of a box changed
    WindowKeyAction key = nullptr;  // a key typed into a box, before the box inserts it
};

// Every control of the window with its name and handlers, in the order of the window's rows.
std::span<const ControlEntry> ControlTable();

// The entry of the control with this exact name, or nullptr.
const ControlEntry* FindControlEntry(std::string_view name);

// The entry of the control at this address within `controls`, or nullptr.
const ControlEntry* FindControlEntry(const MainWindowControls& controls, const void* control);

}  // namespace velmorant
