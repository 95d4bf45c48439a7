// The station buttons of the main window: callsign lookup in CALL3.TXT, the locator calculation
// and the add button with its confirmation dialog.

#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "run/leading_number.h"
#include "stations/callsign_search.h"
#include "stations/locator.h"
#include "stations/station_fields.h"
#include "stations/station_list_edit.h"
#include "ui/model/display_text.h"
#include "ui/model/main_window_model.h"
#include "ui/model/station_dialog.h"
#include "ui/model/text_storage.h"

namespace velmorant {

namespace {

constexpr const char* kMissingFileText =
    "The file is not where expected.  Make sure all the VELMORANT files are in the same location "
    "as VELMORANT.EXE!";
constexpr const char* kIncompleteText =
    "Please enter complete station information before adding to the database.";
constexpr const char* kExistingStationText =
    "An existing record is shown below.  Please confirm that you want to replace the existing "
    "record.";
constexpr const char* kNewStationText =
    "A new record is shown below.  Please confirm that you want to add this new record!";
// Notes stored for a new station without any.
constexpr const char* kDefaultNotes = ",EME,,,,";

// The status text of a search: the text and the record number with one leading blank.
std::string StatusText(const char* text, int recordNumber) {
    return std::string(text) + " " + std::to_string(recordNumber);
}

// A number box's text after the calculation: the integer part (floor) as a plain whole number.
std::string WholeNumberText(float value) {
    const double whole = std::floor(static_cast<double>(value));
    if (whole == 0 || !std::isfinite(whole)) {
        return "0";
    }
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0).ptr;
    return std::string(buffer, end);
}

}  // namespace

MainWindowModel::StationRow MainWindowModel::HomeRow() {
    return {txtCallsignHome, txtLocatorHome, txtNotesHome,  txtLatDegHome,
            txtLatMinHome,   txtLatSecHome,  cboLatDirHome, txtLonDegHome,
            txtLonMinHome,   txtLonSecHome,  cboLonDirHome, true};
}

MainWindowModel::StationRow MainWindowModel::DXRow() {
    return {txtCallsignDX, txtLocatorDX, txtNotesDX,  txtLatDegDX, txtLatMinDX, txtLatSecDX,
            cboLatDirDX,   txtLonDegDX,  txtLonMinDX, txtLonSecDX, cboLonDirDX, false};
}

void MainWindowModel::cmdHomeLookup_Click() {
    LookupStation(HomeRow());
}
void MainWindowModel::cmdDXLookup_Click() {
    LookupStation(DXRow());
}
void MainWindowModel::cmdLocatorHomeCalc_Click() {
    CalculateLocator(HomeRow());
}
void MainWindowModel::cmdLocatorDXCalc_Click() {
    CalculateLocator(DXRow());
}
void MainWindowModel::cmdAddHome_Click() {
    AddStation(HomeRow());
}
void MainWindowModel::cmdAddDX_Click() {
    AddStation(DXRow());
}

bool MainWindowModel::StationListMissing() {
    if (Stations.List != nullptr && Stations.List->Exists()) {
        return false;
    }
    messages_.ShowMessage(kMissingFileText, "File Not Found");
    RequestEnd();
    return true;
}

std::optional<SearchOutcome> MainWindowModel::SearchStationList(StationRecord& record,
                                                                bool browse) {
    if (StationListMissing()) {
        return std::nullopt;
    }
    const auto text = Stations.List->ReadAll();
    if (!text) {
        messages_.ShowMessage(kMissingFileText, "File Not Found");
        RequestEnd();
        return std::nullopt;
    }
    BrowseRequest request = BrowseRequest::None;
    if (browse && txtSearch.text == "[[[[[") {
        request = BrowseRequest::Previous;
    } else if (browse && txtSearch.text == "]]]]]") {
        request = BrowseRequest::Next;
    }
    const SearchResult result = SearchCallsign(*text, record.Callsign, request);
    record.Callsign = DisplayText(result.Record.Callsign);
    record.Locator = DisplayText(result.Record.Locator);
    record.Notes = DisplayText(result.Record.Notes);
    record.RecordNumber = result.Record.RecordNumber;
    if (result.BrowseCompleted) {
        PutText(txtSearch, "");
    }
    switch (result.Outcome) {
        case SearchOutcome::ExactMatch:
            PutText(txtDateCalc, StatusText(kExactMatchStatus, record.RecordNumber));
            Show(txtDateCalc, true);
            break;
        case SearchOutcome::Browsed:
            PutText(txtDateCalc, StatusText(kBrowsedStatus, record.RecordNumber));
            Show(txtDateCalc, true);
            break;
        case SearchOutcome::ClosestMatch:
            messages_.ShowMessage(kClosestMatchText, kCallsignSearchTitle);
            break;
        case SearchOutcome::NotFound:
            Show(txtDateCalc, false);
            PutText(txtDateCalc, "");
            messages_.ShowMessage(kNotFoundText, kCallsignSearchTitle);
            record.RecordNumber = 0;
            break;
        case SearchOutcome::Silent:
        case SearchOutcome::BrowseStopped:
            break;
    }
    return result.Outcome;
}

void MainWindowModel::LookupStation(const StationRow& row) {
    if (Hooks.ClearRealTimeMap) {
        Hooks.ClearRealTimeMap();
    }
    const std::string callsign = LookupUpperCase(RightTrimmed(row.Callsign.text));
    PutText(row.Callsign, callsign);
    Show(row.Notes, false);

    StationRecord record;
    record.Callsign = callsign;
    record.RecordNumber = FoundRecordNumber;
    if (!SearchStationList(record, true)) {
        return;
    }
    FoundRecordNumber = record.RecordNumber;
    PutText(row.Callsign, record.Callsign);
    PutText(row.Locator, record.Locator);

    if (txtDateCalc.text.starts_with("Exact")) {
        CalculateLocator(row);
        Show(row.Notes, true);
        PutText(row.Notes, record.Notes);
    } else {
        Show(row.Notes, false);
        PutText(row.Notes, "");
        Show(txtDateCalc, false);
        PutText(txtDateCalc, "");
    }
}

void MainWindowModel::CalculateLocator(const StationRow& row) {
    // A pole text is not a locator: the calculation starts from the coordinates then.
    LocatorFields fields;
    fields.Locator = row.Locator.text;
    fields.LatDeg = static_cast<float>(LeadingNumber(row.LatDeg.text));
    fields.LatMin = static_cast<float>(LeadingNumber(row.LatMin.text));
    fields.LatSec = static_cast<float>(LeadingNumber(row.LatSec.text));
    fields.LatDir = row.LatDir.text;
    fields.LonDeg = static_cast<float>(LeadingNumber(row.LonDeg.text));
    fields.LonMin = static_cast<float>(LeadingNumber(row.LonMin.text));
    fields.LonSec = static_cast<float>(LeadingNumber(row.LonSec.text));
    fields.LonDir = row.LonDir.text;

    const LocatorOutcome outcome = CalculateStationLocator(fields);
    const LocatorMessage message = MessageFor(outcome);
    if (!message.Text.empty()) {
        messages_.ShowMessage(message.Text, message.Title);
    }
    if (outcome == LocatorOutcome::Malformed || outcome == LocatorOutcome::OutOfRange) {
        return;  // a refused entry changes nothing
    }
    PutText(row.LatDeg, WholeNumberText(fields.LatDeg));
    PutText(row.LatMin, WholeNumberText(fields.LatMin));
    PutText(row.LatSec, WholeNumberText(fields.LatSec));
    PutText(row.LonDeg, WholeNumberText(fields.LonDeg));
    PutText(row.LonMin, WholeNumberText(fields.LonMin));
    PutText(row.LonSec, WholeNumberText(fields.LonSec));
    if (outcome == LocatorOutcome::MissingInput) {
        return;  // only the number boxes are rewritten
    }
    PutComboText(row.LatDir, fields.LatDir);
    PutComboText(row.LonDir, fields.LonDir);
    PutText(row.Locator, fields.Locator);
}

void MainWindowModel::AddStation(const StationRow& row) {
    Show(row.Notes, true);
    std::string callsign = row.Callsign.text;
    std::string locator = row.Locator.text;
    std::string notes = row.Notes.text;
    UpdateStationList(callsign, locator, notes);
    if (EndRequested()) {
        return;
    }
    if (!callsign.empty()) {
        PutText(row.Callsign, callsign);
        if (!notes.empty()) {
            PutText(row.Notes, notes);
        }
        if (locator.size() > 3) {
            PutText(row.Locator, locator);
        }
        if (!locator.empty()) {
            CalculateLocator(row);
        }
    } else {
        PutText(row.Notes, "");
        PutText(row.Callsign, "");
        PutText(row.Locator, "");
    }
}

bool MainWindowModel::RewriteStationList(StationEdit edit, bool existing,
                                         const std::string& callsign, const std::string& newLine) {
    // Another copy of the program may be rewriting the list: take turns.
    const std::unique_ptr<StorageLock> lock = Stations.List->Lock();
    if (!lock) {
        messages_.ShowMessage("The file " + Stations.List->Location() +
                                  " is being changed by another copy of the program.  Nothing "
                                  "was changed; please try again in a moment.",
                              "File Busy");
        return false;
    }
    const auto text = Stations.List->ReadAll();
    if (!text) {
        messages_.ShowMessage(
            "The file " + Stations.List->Location() + " could not be read.  It was left as it was.",
            "File Not Saved");
        return false;
    }
    // The list may have changed while the dialog was open (by hand, or by another copy of the
    // program): the station is found again by its whole callsign, and only that line changes.
    const SearchResult again = SearchCallsign(*text, callsign, BrowseRequest::None);
    const bool stillThere = again.Outcome == SearchOutcome::ExactMatch &&
                            again.Record.Callsign == callsign && again.Record.RecordNumber > 0;
    if (stillThere != existing) {
        messages_.ShowMessage("The file " + Stations.List->Location() +
                                  " changed while the station was shown: " + callsign +
                                  (existing ? " is no longer in it." : " is in it now.") +
                                  "  Nothing was changed; please look the station up again.",
                              "Station List Changed");
        return false;
    }
    const std::string edited =
        EditStationList(*text, edit, again.Record.RecordNumber, callsign, newLine);
    if (!Stations.List->Replace(edited)) {
        messages_.ShowMessage("The file " + Stations.List->Location() + " could not be written" +
                                  FailureSuffix(*Stations.List) + ".  It was left as it was.",
                              "File Not Saved");
        return false;
    }
    return true;
}

void MainWindowModel::UpdateStationList(std::string& callsign, std::string& locator,
                                        std::string& notes) {
    std::string locatorToStore = locator;
    std::string notesToStore = notes.empty() ? kDefaultNotes : notes;
    auto end = [&] {
        PutText(txtReplace, "");
        PutText(txtCancel, "");
        PutText(txtDelete, "");
    };
    if (StationListMissing()) {
        return;
    }
    callsign = std::string(RightTrimmed(callsign));

    const bool complete = RightTrimmed(locator).size() >= 6 && callsign.size() >= 3 &&
                          callsign < "ZZZZZZ" && callsign.find('*') == std::string::npos;
    if (!complete) {
        messages_.ShowMessage(kIncompleteText, "Incomplete Callsign");
        locator.clear();
        end();
        return;
    }
    // Nothing that would not read back as this station is offered for writing.
    if (const auto fault = StationLineFault(callsign, locator, notes)) {
        messages_.ShowMessage(*fault, "Input Required");
        end();
        return;
    }

    StationRecord record{callsign, locator, notes, FoundRecordNumber};
    const auto outcome = SearchStationList(record, false);
    if (!outcome) {
        return;
    }
    FoundRecordNumber = record.RecordNumber;
    locator = record.Locator;
    notes = record.Notes;
    // Only an exact find names the line of this callsign: after the closest-match message or a
    // search without result the station is offered as a new one, so no other line is touched.
    const bool existing = *outcome == SearchOutcome::ExactMatch && record.RecordNumber > 0;

    StationDialogRequest request;
    request.Callsign = callsign;
    request.RecordNumber = std::to_string(existing ? record.RecordNumber - 17 : -17);
    request.ExistingStation = existing;
    if (existing) {
        request.Explanation = kExistingStationText;
        request.Locator = locatorToStore;
        request.Notes = notesToStore;
        request.ReplaceCaption = "REPLACE";
    } else {
        request.Explanation = kNewStationText;
        request.ReplaceCaption = "ADD NEW";
        // The search emptied the returned locator and notes: take them from the station row
        // that shows this callsign (the Home box compared right-trimmed, the DX box as it is).
        if (RightTrimmed(txtCallsignHome.text) == callsign) {
            request.Locator = txtLocatorHome.text;
            request.Notes = txtNotesHome.text.empty() ? kDefaultNotes : txtNotesHome.text;
        } else if (txtCallsignDX.text == callsign) {
            request.Locator = txtLocatorDX.text;
            request.Notes = txtNotesDX.text.empty() ? kDefaultNotes : txtNotesDX.text;
        } else {
            request.Locator = locator;
            request.Notes = notes;
        }
    }

    StationDialogAnswer answer;
    if (Stations.Dialog != nullptr) {
        answer = Stations.Dialog->ShowModal(request);
    }
    // The dialog's buttons answer through the window's hidden carriers.
    switch (answer.Choice) {
        case StationDialogChoice::Replace:
            PutText(txtReplace, "Replace");
            break;
        case StationDialogChoice::Delete:
            PutText(txtDelete, existing ? "Delete" : "");
            break;
        case StationDialogChoice::Cancel:
            PutText(txtCancel, "Cancel");
            break;
    }
    locatorToStore = answer.Locator;
    notesToStore = answer.Notes;

    StationEdit edit = StationEdit::Add;
    if (existing && txtDelete.text == "Delete") {
        edit = StationEdit::Delete;
    } else if (txtReplace.text == "Replace") {
        edit = existing ? StationEdit::Replace : StationEdit::Add;
    } else {
        end();
        return;
    }
    if (const auto fault = StationLineFault(callsign, locatorToStore, notesToStore)) {
        messages_.ShowMessage(*fault, "Input Required");
        end();
        return;
    }
    if (!RewriteStationList(edit, existing, callsign,
                            StationLine(callsign, locatorToStore, notesToStore))) {
        end();
        return;
    }

    if (edit == StationEdit::Delete) {
        callsign.clear();
        locator.clear();
        notes.clear();
    } else {
        FoundRecordNumber = 0;
        StationRecord stored{callsign, "", "", 0};
        if (SearchStationList(stored, false)) {
            FoundRecordNumber = stored.RecordNumber;
            callsign = stored.Callsign;
            locator = stored.Locator;
            notes = stored.Notes;
        }
    }
    end();
}

}  // namespace velmorant
