// SPDX-License-Identifier: GPL-3.0-or-later
// The station buttons: callsign lookup in CALL3.TXT and the locator calculation. The add button
// lives in station_list_update.cpp, the keys in station_keys.cpp.

#include "ui/model/station_dialog/station_workflow.h"

#include <charconv>
#include <cmath>

#include "run/leading_number.h"
#include "stations/locator.h"
#include "stations/station_fields.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/station_dialog/display_text.h"

namespace velmorant {

namespace {

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

bool StationWorkflow::StatusShowsFind() const {
    return statusWritten_ && window_.Controls.txtDateCalc.Text == *statusWritten_;
}

bool StationWorkflow::ListMissing() {
    if (services_.List != nullptr && services_.List->Exists()) {
        return false;
    }
    ShowMissingFileAndEnd(window_);
    return true;
}

std::optional<SearchOutcome> StationWorkflow::Search(StationRecord& record, bool browse) {
    if (ListMissing()) {
        return std::nullopt;
    }
    const auto text = services_.List->ReadAll();
    if (!text) {
        ShowMissingFileAndEnd(window_);
        return std::nullopt;
    }
    MainWindowControls& w = window_.Controls;
    WindowWriter& writer = window_.Writer;
    BrowseRequest request = BrowseRequest::None;
    if (browse && w.txtSearch.Text == "[[[[[") {
        request = BrowseRequest::Previous;
    } else if (browse && w.txtSearch.Text == "]]]]]") {
        request = BrowseRequest::Next;
    }
    const SearchResult result = SearchCallsign(*text, record.Callsign, request);
    record = ShownStation(result.Record);
    if (result.BrowseCompleted) {
        writer.PutText(w.txtSearch, "");
    }
    switch (result.Outcome) {
        case SearchOutcome::ExactMatch:
        case SearchOutcome::Browsed:
            statusWritten_ = StatusText(
                result.Outcome == SearchOutcome::ExactMatch ? kExactMatchStatus : kBrowsedStatus,
                record.RecordNumber);
            writer.PutText(w.txtDateCalc, *statusWritten_);
            writer.Show(w.txtDateCalc, true);
            break;
        case SearchOutcome::ClosestMatch:
            window_.Messages.ShowMessage(kClosestMatchText, kCallsignSearchTitle);
            break;
        case SearchOutcome::NotFound:
            statusWritten_.reset();
            writer.Show(w.txtDateCalc, false);
            writer.PutText(w.txtDateCalc, "");
            window_.Messages.ShowMessage(kNotFoundText, kCallsignSearchTitle);
            record.RecordNumber = 0;
            break;
        case SearchOutcome::Silent:
        case SearchOutcome::BrowseStopped:
            break;
    }
    return result.Outcome;
}

void StationWorkflow::Lookup(const StationRow& row) {
    if (window_.Hooks.ClearRealTimeMap) {
        window_.Hooks.ClearRealTimeMap();
    }
    WindowWriter& writer = window_.Writer;
    const std::string callsign = LookupUpperCase(RightTrimmed(Box(row.Callsign).Text));
    writer.PutText(Box(row.Callsign), callsign);
    writer.Show(Box(row.Notes), false);

    StationRecord record;
    record.Callsign = callsign;
    record.RecordNumber = found_;
    if (!Search(record, true)) {
        return;
    }
    found_ = record.RecordNumber;
    // A closest match or a silent search leaves the status of an earlier find standing, and
    // then fills the row as that find did.
    if (StatusShowsFind()) {
        FillFound(row, record);
    } else {
        writer.PutText(Box(row.Callsign), record.Callsign);
        writer.PutText(Box(row.Locator), record.Locator);
        writer.Show(Box(row.Notes), false);
        writer.PutText(Box(row.Notes), "");
        writer.Show(window_.Controls.txtDateCalc, false);
        writer.PutText(window_.Controls.txtDateCalc, "");
    }
}

void StationWorkflow::FillFound(const StationRow& row, const StationRecord& record) {
    WindowWriter& writer = window_.Writer;
    writer.PutText(Box(row.Callsign), record.Callsign);
    writer.PutText(Box(row.Locator), record.Locator);
    CalculateLocator(row);
    writer.Show(Box(row.Notes), true);
    writer.PutText(Box(row.Notes), record.Notes);
}

void StationWorkflow::CalculateLocator(const StationRow& row) {
    // A pole text is not a locator: the calculation starts from the coordinates then.
    LocatorFields fields;
    fields.Locator = Box(row.Locator).Text;
    fields.LatDeg = static_cast<float>(LeadingNumber(Box(row.LatDeg).Text));
    fields.LatMin = static_cast<float>(LeadingNumber(Box(row.LatMin).Text));
    fields.LatSec = static_cast<float>(LeadingNumber(Box(row.LatSec).Text));
    fields.LatDir = Box(row.LatDir).Text;
    fields.LonDeg = static_cast<float>(LeadingNumber(Box(row.LonDeg).Text));
    fields.LonMin = static_cast<float>(LeadingNumber(Box(row.LonMin).Text));
    fields.LonSec = static_cast<float>(LeadingNumber(Box(row.LonSec).Text));
    fields.LonDir = Box(row.LonDir).Text;

    const LocatorOutcome outcome = CalculateStationLocator(fields);
    const LocatorMessage message = MessageFor(outcome);
    if (!message.Text.empty()) {
        window_.Messages.ShowMessage(message.Text, message.Title);
    }
    if (outcome == LocatorOutcome::Malformed || outcome == LocatorOutcome::OutOfRange) {
        return;  // a refused entry changes nothing
    }
    WindowWriter& writer = window_.Writer;
    writer.PutText(Box(row.LatDeg), WholeNumberText(fields.LatDeg));
    writer.PutText(Box(row.LatMin), WholeNumberText(fields.LatMin));
    writer.PutText(Box(row.LatSec), WholeNumberText(fields.LatSec));
    writer.PutText(Box(row.LonDeg), WholeNumberText(fields.LonDeg));
    writer.PutText(Box(row.LonMin), WholeNumberText(fields.LonMin));
    writer.PutText(Box(row.LonSec), WholeNumberText(fields.LonSec));
    if (outcome == LocatorOutcome::MissingInput) {
        return;  // only the number boxes are rewritten
    }
    writer.PutComboText(Box(row.LatDir), fields.LatDir);
    writer.PutComboText(Box(row.LonDir), fields.LonDir);
    writer.PutText(Box(row.Locator), fields.Locator);
}

}  // namespace velmorant
