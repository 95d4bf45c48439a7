// SET DEFAULTS, RESTART and start-up: the window's contents saved to and loaded from the
// defaults file.
//
// A field the file cannot supply (a short or damaged line) gives its control the window's
// initial contents, so a damaged file still yields a usable window; the operator is told which
// lines were damaged.

#include "core/numeric.h"
#include "run/leading_number.h"
#include "ui/model/main_window_model.h"
#include "ui/model/object_presets.h"
#include "ui/model/stored_numbers.h"

#include <optional>
#include <string>

namespace velmorant {

namespace {

constexpr std::string_view kMissingFileText =
    "The file is not where expected.  Make sure all the VELMORANT files are in the same "
    "location as VELMORANT.EXE!";
constexpr std::string_view kMissingFileTitle = "File Not Found";

const MainWindowControls& Initial() {
    static const MainWindowControls initial;
    return initial;
}

void LoadText(MainWindowModel& window, TextMember box, const std::optional<std::string>& value) {
    window.PutText(window.*box, value ? *value : (Initial().*box).text);
}

void LoadComboText(MainWindowModel& window, ComboMember box,
                   const std::optional<std::string>& value) {
    window.PutComboText(window.*box, value ? *value : (Initial().*box).text);
}

void LoadSelection(MainWindowModel& window, ComboMember box, const std::optional<int>& index) {
    window.SelectItem(window.*box, index ? *index : (Initial().*box).selectedIndex);
}

// The display boxes run their click handler when loading changes their state.
void LoadCheck(MainWindowModel& window, CheckMember box, const std::optional<int>& flag,
               void (MainWindowModel::*handler)()) {
    const bool checked = flag ? *flag == 1 : (Initial().*box).checked;
    if ((window.*box).checked != checked) {
        window.SetCheck(window.*box, checked);
        (window.*handler)();
    }
}

template <typename Number>
std::optional<std::string> AsText(const std::optional<Number>& number,
                                  std::string (*format)(Number)) {
    return number ? std::optional<std::string>(format(*number)) : std::nullopt;
}

std::string IntegerText(int number) {
    return std::to_string(number);
}

using W = MainWindowControls;

void LoadDisplayAndCallsign(MainWindowModel& window, const StationRow& row,
                            const StationDefaults& station) {
    LoadCheck(
        window, row.Display, station.Display,
        row.Home ? &MainWindowModel::chkDisplayHome_Click : &MainWindowModel::chkDisplayDX_Click);
    LoadText(window, row.Callsign, station.Callsign);
}

void LoadCoordinates(MainWindowModel& window, const StationRow& row,
                     const StationDefaults& station) {
    LoadText(window, row.LatDeg, station.LatDeg);
    LoadText(window, row.LatMin, station.LatMin);
    LoadText(window, row.LatSec, station.LatSec);
    LoadComboText(window, row.LatDir, station.LatDir);
    LoadText(window, row.LonDeg, station.LonDeg);
    LoadText(window, row.LonMin, station.LonMin);
    LoadText(window, row.LonSec, station.LonSec);
    LoadComboText(window, row.LonDir, station.LonDir);
    LoadText(window, row.Above, station.Above);
    LoadText(window, row.Below, station.Below);
}

// "line 3", "lines 1 and 4", "lines 1, 2 and 4".
std::string LineList(const std::vector<int>& lines) {
    std::string text = lines.size() == 1 ? "line " : "lines ";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += i + 1 == lines.size() ? " and " : ", ";
        }
        text += std::to_string(lines[i]);
    }
    return text;
}

}  // namespace

void MainWindowModel::ShowMissingFileAndEnd() {
    messages_.ShowMessage(kMissingFileText, kMissingFileTitle);
    RequestEnd();
}

void MainWindowModel::ReportDamage(const std::vector<int>& lines) {
    if (lines.empty()) {
        return;
    }
    messages_.ShowMessage("The file " + storage_.Location() + " is damaged in " + LineList(lines) +
                              ".  The values that could not be read were given the window's "
                              "initial contents.",
                          "File Damaged");
}

bool MainWindowModel::ReadDefaultsFile(ParsedDefaults& parsed) {
    const std::optional<std::string> text =
        storage_.Exists() ? storage_.ReadAll() : std::optional<std::string>();
    if (!text) {
        ShowMissingFileAndEnd();
        return false;
    }
    parsed = ParseDefaults(*text);
    return true;
}

void MainWindowModel::LoadObject(const DefaultsRecord& record, LoadKind kind) {
    const int index = record.CelestialIndex.value_or(Initial().cboCelestial.selectedIndex);
    // A name the file cannot supply counts as no saved name.
    const std::string name = record.ObjectName.value_or("");
    SavedObjectName = name;
    const auto putCoordinates = [&] {
        LoadText(*this, &W::txtCelestialRAhours, record.RAhours);
        LoadText(*this, &W::txtCelestialRAminutes, record.RAminutes);
        LoadText(*this, &W::txtCelestialDec, record.Declination);
    };
    if (kind == LoadKind::Restart) {
        SelectItem(cboCelestial, index);
        cboCelestial_Click();
        PutText(txtEnterObject, name);
        putCoordinates();
    }
    if (index > 1) {
        // A fixed or custom object: restored without its handler, so the saved coordinates
        // are not replaced by the presets.
        SelectItem(cboCelestial, index);
        Show(txtEnterObject, cboCelestial.text == kCustomObjectItem);
        if (name.empty()) {
            SavedObjectName = kEnterNamePrompt;
            if (kind == LoadKind::Restart) {
                PutText(txtEnterObject, kEnterNamePrompt);
            }
        } else {
            PutText(txtEnterObject, name);
        }
        ShowObjectCoordinates(true);
        putCoordinates();
    } else {
        if (kind == LoadKind::StartUp) {
            SelectItem(cboCelestial, index);
            cboCelestial_Click();
        }
        Show(txtEnterObject, false);
        ShowObjectCoordinates(false);
    }
}

void MainWindowModel::LoadDefaults(const DefaultsRecord& r, LoadKind kind) {
    if (r.EscFlag) {
        PutComboText(cboEsc, *r.EscFlag == 1 ? "N" : "Y");
    } else {
        LoadComboText(*this, &W::cboEsc, std::nullopt);
    }
    LoadText(*this, &W::txtNoise, AsText(r.Noise, &DoubleText));
    LoadText(*this, &W::txtTextEditor, r.TextEditor);
    LoadText(*this, &W::txtAdobeReader, r.AdobeReader);
    LoadDisplayAndCallsign(*this, kHomeRow, r.Home);
    LoadSelection(*this, &W::cboOperation, r.OperationIndex);
    LoadSelection(*this, &W::cboUnits, r.UnitsIndex);
    LoadCoordinates(*this, kHomeRow, r.Home);
    LoadDisplayAndCallsign(*this, kDXRow, r.DX);
    LoadCoordinates(*this, kDXRow, r.DX);
    LoadObject(r, kind);
    LoadText(*this, &W::txtIncrementMinutes, r.IncrementMinutes);
    LoadText(*this, &W::txtOutputLines, AsText(r.OutputLines, &IntegerText));
    LoadComboText(*this, &W::cboBand, r.Band);
    LoadComboText(*this, &W::cboRegion, r.Region);
    LoadText(*this, &W::txtLocatorHome, r.Home.Locator);
    LoadText(*this, &W::txtLocatorDX, r.DX.Locator);
    LoadText(*this, &W::txtTimeDif, AsText(r.TimeDif, &SingleText));
    LoadText(*this, &W::txtAZMIN, AsText(r.AzMin, &SingleText));
    LoadText(*this, &W::txtAZMAX, AsText(r.AzMax, &SingleText));
    LoadText(*this, &W::txtGMTMIN, r.GmtMin);
    LoadText(*this, &W::txtGMTMAX, r.GmtMax);
}

DefaultsRecord MainWindowModel::CollectDefaults() const {
    DefaultsRecord r;
    r.Home = DefaultsOf(*this, kHomeRow);
    r.DX = DefaultsOf(*this, kDXRow);
    r.CelestialIndex = cboCelestial.selectedIndex;
    r.ObjectName = txtEnterObject.text;
    r.RAhours = txtCelestialRAhours.text;
    r.RAminutes = txtCelestialRAminutes.text;
    r.Declination = txtCelestialDec.text;
    r.OperationIndex = cboOperation.selectedIndex;
    r.IncrementMinutes = txtIncrementMinutes.text;
    r.EscFlag = cboEsc.text == "N" ? 1 : 2;
    // A lines-per-page text that is no 16-bit number is saved as 0 (no paging).
    r.OutputLines = ToInteger16(LeadingNumber(txtOutputLines.text)).value_or(0);
    r.Band = cboBand.text;
    r.Region = cboRegion.text;
    r.TimeDif = ToSingle(LeadingNumber(txtTimeDif.text));
    r.TextEditor = txtTextEditor.text;
    r.Noise = LeadingNumber(txtNoise.text);
    r.UnitsIndex = cboUnits.selectedIndex;
    r.AdobeReader = txtAdobeReader.text;
    r.AzMin = ToSingle(LeadingNumber(txtAZMIN.text));
    r.AzMax = ToSingle(LeadingNumber(txtAZMAX.text));
    r.GmtMin = txtGMTMIN.text;
    r.GmtMax = txtGMTMAX.text;
    return r;
}

void MainWindowModel::Form_Load() {
    // The one-second timer belongs to the view, which starts it with the window.
    Show(txtDateCalc, false);
    PutText(txtDateCalc, "");
    RealTimeFresh = 1;
    PutText(txtSearch, "");
    ParsedDefaults parsed;
    if (!ReadDefaultsFile(parsed)) {
        return;
    }
    LoadDefaults(parsed.record, LoadKind::StartUp);
    SetDatesToToday();
    const bool home = chkDisplayHome.checked;
    Show(lblAzRange, home);
    Show(txtAZMIN, home);
    Show(txtAZMAX, home);
    Show(txtGMTMIN, false);
    Show(txtGMTMAX, false);
    SetCaption(lblAzRange, kAzimuthRangeCaption);
    AzMin = ToSingle(LeadingNumber(txtAZMIN.text));
    AzMax = ToSingle(LeadingNumber(txtAZMAX.text));
    ReportDamage(parsed.damagedLines);
}

void MainWindowModel::cmdSET_Click() {
    if (RunInProgress()) {
        return;
    }
    const DefaultsRecord record = CollectDefaults();
    SavedObjectName = txtEnterObject.text;
    if (!storage_.Exists()) {
        ShowMissingFileAndEnd();
        return;
    }
    if (!storage_.Replace(FormatDefaults(record))) {
        messages_.ShowMessage("The defaults could not be written to " + storage_.Location() +
                                  FailureSuffix(storage_) +
                                  ".  The file keeps its previous contents.",
                              "File Not Saved");
    }
}

void MainWindowModel::cmdRESTART_Click() {
    if (RunInProgress()) {
        return;
    }
    Show(txtDateCalc, false);
    PutText(txtDateCalc, "");
    Show(cmdRUN, true);
    Show(cmdStop, false);
    PutText(txtSearch, "");
    Show(txtNotesHome, false);
    Show(txtNotesDX, false);
    ParsedDefaults parsed;
    if (!ReadDefaultsFile(parsed)) {
        return;
    }
    // The range row keeps the visibility the Home display box's handler gave it.
    LoadDefaults(parsed.record, LoadKind::Restart);
    Show(cmdRUN, true);
    Show(cmdStop, false);
    SetDatesToToday();
    if (Hooks.MoveFocus) {
        Hooks.MoveFocus("cboMonthStart");
    }
    ReportDamage(parsed.damagedLines);
}

}  // namespace velmorant
