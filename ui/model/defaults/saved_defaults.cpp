// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/saved_defaults.h"

#include <optional>
#include <string>

#include "core/common/numeric.h"
#include "run/leading_number.h"
#include "ui/model/defaults/stored_numbers.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/main_window/object_presets.h"
#include "ui/model/station_dialog/station_row.h"

namespace velmorant {

namespace {

using W = MainWindowControls;

const MainWindowControls& Initial() {
    static const MainWindowControls initial;
    return initial;
}

// Puts what the file supplies into the controls, or the control's initial contents where it
// supplies nothing.
class Loader {
  public:
    explicit Loader(const WindowContext& window) : window_(window) {}

    void Text(TextMember box, const std::optional<std::string>& value) const {
        window_.Writer.PutText(window_.Controls.*box, value ? *value : (Initial().*box).Text);
    }
    void ComboText(ComboMember box, const std::optional<std::string>& value) const {
        window_.Writer.PutComboText(window_.Controls.*box, value ? *value : (Initial().*box).Text);
    }
    void Selection(ComboMember box, const std::optional<int>& index) const {
        window_.Writer.SelectItem(window_.Controls.*box,
                                  index ? *index : (Initial().*box).SelectedIndex);
    }
    // The display boxes run their handler when loading changes their state.
    void Check(CheckMember box, const std::optional<int>& flag) const {
        const bool checked = flag ? *flag == 1 : (Initial().*box).Checked;
        CheckBox& target = window_.Controls.*box;
        if (target.Checked != checked) {
            window_.Writer.SetCheck(target, checked);
            window_.Choose(&target);
        }
    }

    void DisplayAndCallsign(const StationRow& row, const StationDefaults& station) const {
        Check(row.Display, station.Display);
        Text(row.Callsign, station.Callsign);
    }
    void Coordinates(const StationRow& row, const StationDefaults& station) const {
        Text(row.LatDeg, station.LatDeg);
        Text(row.LatMin, station.LatMin);
        Text(row.LatSec, station.LatSec);
        ComboText(row.LatDir, station.LatDir);
        Text(row.LonDeg, station.LonDeg);
        Text(row.LonMin, station.LonMin);
        Text(row.LonSec, station.LonSec);
        ComboText(row.LonDir, station.LonDir);
        Text(row.Above, station.Above);
        Text(row.Below, station.Below);
    }

  private:
    const WindowContext& window_;
};

template <typename Number>
std::optional<std::string> AsText(const std::optional<Number>& number,
                                  std::string (*format)(Number)) {
    return number ? std::optional<std::string>(format(*number)) : std::nullopt;
}

std::string IntegerText(int number) {
    return std::to_string(number);
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

void ShowObjectCoordinates(MainWindowControls& w, WindowWriter& writer, bool visible) {
    writer.Show(w.txtCelestialRAhours, visible);
    writer.Show(w.txtCelestialRAminutes, visible);
    writer.Show(w.txtCelestialDec, visible);
    writer.Show(w.lblObjectRA, visible);
    writer.Show(w.lblObjectHours, visible);
    writer.Show(w.lblObjectMin, visible);
    writer.Show(w.lblObjectDeclination, visible);
    writer.Show(w.lblObjectDegrees, visible);
}

void SavedDefaults::ReportDamage(const std::vector<int>& lines) {
    if (lines.empty()) {
        return;
    }
    window_.Messages.ShowMessage("The file " + storage_.Location() + " is damaged in " +
                                     LineList(lines) +
                                     ".  The values that could not be read were given the "
                                     "window's initial contents.",
                                 "File Damaged");
}

bool SavedDefaults::Load(LoadKind kind, std::vector<int>& damagedLines) {
    if (!storage_.Exists()) {
        ShowMissingFileAndEnd(window_);
        return false;
    }
    const std::optional<std::string> text = storage_.ReadAll();
    if (!text) {
        ShowMissingFileAndEnd(window_);
        return false;
    }
    const ParsedDefaults parsed = ParseDefaults(*text);
    LoadRecord(parsed.Record, kind);
    damagedLines = parsed.DamagedLines;
    return true;
}

void SavedDefaults::LoadObject(const DefaultsRecord& record, LoadKind kind) {
    MainWindowControls& w = window_.Controls;
    WindowWriter& writer = window_.Writer;
    const Loader load(window_);
    const int index = record.CelestialIndex.value_or(Initial().cboCelestial.SelectedIndex);
    // A name the file cannot supply counts as no saved name.
    const std::string name = record.ObjectName.value_or("");
    savedObjectName_ = name;
    const auto putCoordinates = [&] {
        load.Text(&W::txtCelestialRAhours, record.RAhours);
        load.Text(&W::txtCelestialRAminutes, record.RAminutes);
        load.Text(&W::txtCelestialDec, record.Declination);
    };
    if (kind == LoadKind::Restart) {
        writer.SelectItem(w.cboCelestial, index);
        window_.Choose(&w.cboCelestial);
        writer.PutText(w.txtEnterObject, name);
        putCoordinates();
    }
    if (index > 1) {
        // A fixed or custom object: restored without its handler, so the saved coordinates
        // are not replaced by the presets.
        writer.SelectItem(w.cboCelestial, index);
        writer.Show(w.txtEnterObject, w.cboCelestial.Text == kCustomObjectItem);
        if (name.empty()) {
            savedObjectName_ = kEnterNamePrompt;
            if (kind == LoadKind::Restart) {
                writer.PutText(w.txtEnterObject, kEnterNamePrompt);
            }
        } else {
            writer.PutText(w.txtEnterObject, name);
        }
        ShowObjectCoordinates(w, writer, true);
        putCoordinates();
    } else {
        if (kind == LoadKind::StartUp) {
            writer.SelectItem(w.cboCelestial, index);
            window_.Choose(&w.cboCelestial);
        }
        writer.Show(w.txtEnterObject, false);
        ShowObjectCoordinates(w, writer, false);
    }
}

void SavedDefaults::LoadRecord(const DefaultsRecord& r, LoadKind kind) {
    const Loader load(window_);
    if (r.EscFlag) {
        window_.Writer.PutComboText(window_.Controls.cboEsc, *r.EscFlag == 1 ? "N" : "Y");
    } else {
        load.ComboText(&W::cboEsc, std::nullopt);
    }
    load.Text(&W::txtNoise, AsText(r.Noise, &DoubleText));
    load.Text(&W::txtTextEditor, r.TextEditor);
    load.Text(&W::txtAdobeReader, r.AdobeReader);
    load.DisplayAndCallsign(kHomeRow, r.Home);
    load.Selection(&W::cboOperation, r.OperationIndex);
    load.Selection(&W::cboUnits, r.UnitsIndex);
    load.Coordinates(kHomeRow, r.Home);
    load.DisplayAndCallsign(kDXRow, r.DX);
    load.Coordinates(kDXRow, r.DX);
    LoadObject(r, kind);
    load.Text(&W::txtIncrementMinutes, r.IncrementMinutes);
    load.Text(&W::txtOutputLines, AsText(r.OutputLines, &IntegerText));
    load.ComboText(&W::cboBand, r.Band);
    load.ComboText(&W::cboRegion, r.Region);
    load.Text(&W::txtLocatorHome, r.Home.Locator);
    load.Text(&W::txtLocatorDX, r.DX.Locator);
    load.Text(&W::txtTimeDif, AsText(r.TimeDif, &SingleText));
    load.Text(&W::txtAZMIN, AsText(r.AzMin, &SingleText));
    load.Text(&W::txtAZMAX, AsText(r.AzMax, &SingleText));
    load.Text(&W::txtGMTMIN, r.GmtMin);
    load.Text(&W::txtGMTMAX, r.GmtMax);
}

DefaultsRecord SavedDefaults::Collect() const {
    const MainWindowControls& w = window_.Controls;
    DefaultsRecord r;
    r.Home = DefaultsOf(w, kHomeRow);
    r.DX = DefaultsOf(w, kDXRow);
    r.CelestialIndex = w.cboCelestial.SelectedIndex;
    r.ObjectName = w.txtEnterObject.Text;
    r.RAhours = w.txtCelestialRAhours.Text;
    r.RAminutes = w.txtCelestialRAminutes.Text;
    r.Declination = w.txtCelestialDec.Text;
    r.OperationIndex = w.cboOperation.SelectedIndex;
    r.IncrementMinutes = w.txtIncrementMinutes.Text;
    r.EscFlag = w.cboEsc.Text == "N" ? 1 : 2;
    // A lines-per-page text that is no 16-bit number is saved as 0 (no paging).
    r.OutputLines = ToInteger16(LeadingNumber(w.txtOutputLines.Text)).value_or(0);
    r.Band = w.cboBand.Text;
    r.Region = w.cboRegion.Text;
    r.TimeDif = ToSingle(LeadingNumber(w.txtTimeDif.Text));
    r.TextEditor = w.txtTextEditor.Text;
    r.Noise = LeadingNumber(w.txtNoise.Text);
    r.UnitsIndex = w.cboUnits.SelectedIndex;
    r.AdobeReader = w.txtAdobeReader.Text;
    r.AzMin = ToSingle(LeadingNumber(w.txtAZMIN.Text));
    r.AzMax = ToSingle(LeadingNumber(w.txtAZMAX.Text));
    r.GmtMin = w.txtGMTMIN.Text;
    r.GmtMax = w.txtGMTMAX.Text;
    return r;
}

void SavedDefaults::Save() {
    const DefaultsRecord record = Collect();
    savedObjectName_ = window_.Controls.txtEnterObject.Text;
    if (!storage_.Exists()) {
        ShowMissingFileAndEnd(window_);
        return;
    }
    if (!storage_.Replace(FormatDefaults(record))) {
        window_.Messages.ShowMessage("The defaults could not be written to " + storage_.Location() +
                                         FailureSuffix(storage_) +
                                         ".  The file keeps its previous contents.",
                                     "File Not Saved");
    }
}

}  // namespace velmorant
