// SPDX-License-Identifier: GPL-3.0-or-later
// The add button of a station row: the station confirmed in the dialog frmUpdate, then stored,
// replaced or deleted in CALL3.TXT.

#include <memory>
#include <optional>

#include "stations/station_fields.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/station_dialog/station_dialog.h"
#include "ui/model/station_dialog/station_workflow.h"

namespace velmorant {

namespace {

constexpr const char* kIncompleteText =
    "Please enter complete station information before adding to the database.";
constexpr const char* kExistingStationText =
    "An existing record is shown below.  Please confirm that you want to replace the existing "
    "record.";
constexpr const char* kNewStationText =
    "A new record is shown below.  Please confirm that you want to add this new record!";
// The comment lines on top of CALL3.TXT, which the dialog's station number leaves out.
constexpr int kCommentLines = 17;

// Notes as the dialog offers them: the stored default for a station without any.
std::string NotesOrDefault(const std::string& notes) {
    return notes.empty() ? std::string(kDefaultNotes) : notes;
}

// What the dialog's first button does: it replaces a station in the list and adds one that is
// not; Delete acts only on a station in the list; nothing for Cancel.
std::optional<StationEdit> EditFor(StationDialogChoice choice, bool existing) {
    switch (choice) {
        case StationDialogChoice::Replace:
            return existing ? StationEdit::Replace : StationEdit::Add;
        case StationDialogChoice::Delete:
            return existing ? std::optional<StationEdit>(StationEdit::Delete) : std::nullopt;
        case StationDialogChoice::Cancel:
            break;
    }
    return std::nullopt;
}

// The dialog for a station at `recordNumber` of the list (0: a new station) with the locator
// and notes it offers for storing.
StationDialogRequest DialogRequest(const std::string& callsign, int recordNumber,
                                   const StationTexts& offered) {
    const bool existing = recordNumber > 0;
    StationDialogRequest request;
    request.Callsign = callsign;
    request.RecordNumber = std::to_string(existing ? recordNumber - kCommentLines : -kCommentLines);
    request.ExistingStation = existing;
    request.Explanation = existing ? kExistingStationText : kNewStationText;
    request.ReplaceCaption = existing ? "REPLACE" : "ADD NEW";
    request.Locator = offered.Locator;
    request.Notes = offered.Notes;
    return request;
}

}  // namespace

StationTexts StationWorkflow::RowShowing(const std::string& callsign,
                                         const StationTexts& searched) const {
    // The search emptied the returned locator and notes: take them from the station row that
    // shows this callsign (the Home box compared right-trimmed, the DX box as it is).
    const MainWindowControls& w = window_.Controls;
    if (RightTrimmed(w.txtCallsignHome.Text) == callsign) {
        return {callsign, w.txtLocatorHome.Text, NotesOrDefault(w.txtNotesHome.Text)};
    }
    if (w.txtCallsignDX.Text == callsign) {
        return {callsign, w.txtLocatorDX.Text, NotesOrDefault(w.txtNotesDX.Text)};
    }
    return searched;
}

void StationWorkflow::Add(const StationRow& row) {
    WindowWriter& writer = window_.Writer;
    writer.Show(Box(row.Notes), true);
    StationTexts station{Box(row.Callsign).Text, Box(row.Locator).Text, Box(row.Notes).Text};
    UpdateStationList(station);
    if (window_.EndRequested()) {
        return;
    }
    if (!station.Callsign.empty()) {
        writer.PutText(Box(row.Callsign), station.Callsign);
        if (!station.Notes.empty()) {
            writer.PutText(Box(row.Notes), station.Notes);
        }
        if (station.Locator.size() > 3) {
            writer.PutText(Box(row.Locator), station.Locator);
        }
        if (!station.Locator.empty()) {
            CalculateLocator(row);
        }
    } else {
        writer.PutText(Box(row.Notes), "");
        writer.PutText(Box(row.Callsign), "");
        writer.PutText(Box(row.Locator), "");
    }
}

bool StationWorkflow::Storable(StationTexts& station) {
    const std::string& callsign = station.Callsign;
    const bool complete = RightTrimmed(station.Locator).size() >= 6 && callsign.size() >= 3 &&
                          callsign < "ZZZZZZ" && callsign.find('*') == std::string::npos;
    if (!complete) {
        window_.Messages.ShowMessage(kIncompleteText, "Incomplete Callsign");
        station.Locator.clear();
        return false;
    }
    // Nothing that would not read back as this station is offered for writing.
    if (const auto fault = StationLineFault(callsign, station.Locator, station.Notes)) {
        window_.Messages.ShowMessage(*fault, "Input Required");
        return false;
    }
    return true;
}

void StationWorkflow::UpdateStationList(StationTexts& station) {
    std::string locatorToStore = station.Locator;
    std::string notesToStore = NotesOrDefault(station.Notes);
    if (ListMissing()) {
        return;
    }
    std::string& callsign = station.Callsign;
    callsign = std::string(RightTrimmed(callsign));
    if (!Storable(station)) {
        return;
    }

    StationRecord record{callsign, station.Locator, station.Notes, found_};
    const auto outcome = Search(record, false);
    if (!outcome) {
        return;
    }
    found_ = record.RecordNumber;
    station.Locator = record.Locator;
    station.Notes = record.Notes;
    // Only an exact find names the line of this callsign: after the closest-match message or a
    // search without result the station is offered as a new one, so no other line is touched.
    const bool existing = *outcome == SearchOutcome::ExactMatch && record.RecordNumber > 0;

    const StationDialogRequest request =
        DialogRequest(callsign, existing ? record.RecordNumber : 0,
                      existing ? StationTexts{callsign, locatorToStore, notesToStore}
                               : RowShowing(callsign, station));
    StationDialogAnswer answer;
    if (services_.Dialog != nullptr) {
        answer = services_.Dialog->ShowModal(request);
    }
    const std::optional<StationEdit> edit = EditFor(answer.Choice, existing);
    if (!edit) {
        return;
    }
    if (const auto fault = StationLineFault(callsign, answer.Locator, answer.Notes)) {
        window_.Messages.ShowMessage(*fault, "Input Required");
        return;
    }
    if (!RewriteStationList(*edit, existing, callsign,
                            StationLine(callsign, answer.Locator, answer.Notes))) {
        return;
    }

    if (*edit == StationEdit::Delete) {
        station = {};
        return;
    }
    // The row shows the station as it is now stored.
    found_ = 0;
    StationRecord stored{callsign, "", "", 0};
    if (Search(stored, false)) {
        found_ = stored.RecordNumber;
        station = {stored.Callsign, stored.Locator, stored.Notes};
    }
}

bool StationWorkflow::RewriteStationList(StationEdit edit, bool existing,
                                         const std::string& callsign, const std::string& newLine) {
    TextFileStorage& list = *services_.List;
    MessagePresenter& messages = window_.Messages;
    // Another copy of the program may be rewriting the list: take turns.
    const std::unique_ptr<StorageLock> lock = list.Lock();
    if (!lock) {
        messages.ShowMessage("The file " + list.Location() +
                                 " is being changed by another copy of the program.  Nothing "
                                 "was changed; please try again in a moment.",
                             "File Busy");
        return false;
    }
    const auto text = list.ReadAll();
    if (!text) {
        messages.ShowMessage(
            "The file " + list.Location() + " could not be read.  It was left as it was.",
            "File Not Saved");
        return false;
    }
    // The list may have changed while the dialog was open (by hand, or by another copy of the
    // program): the station is found again by its whole callsign, and only that line changes.
    const SearchResult again = SearchCallsign(*text, callsign, BrowseRequest::None);
    const bool stillThere = again.Outcome == SearchOutcome::ExactMatch &&
                            again.Record.Callsign == callsign && again.Record.RecordNumber > 0;
    if (stillThere != existing) {
        messages.ShowMessage("The file " + list.Location() +
                                 " changed while the station was shown: " + callsign +
                                 (existing ? " is no longer in it." : " is in it now.") +
                                 "  Nothing was changed; please look the station up again.",
                             "Station List Changed");
        return false;
    }
    const std::string edited =
        EditStationList(*text, edit, again.Record.RecordNumber, callsign, newLine);
    if (!list.Replace(edited)) {
        messages.ShowMessage("The file " + list.Location() + " could not be written" +
                                 FailureSuffix(list) + ".  It was left as it was.",
                             "File Not Saved");
        return false;
    }
    return true;
}

}  // namespace velmorant
