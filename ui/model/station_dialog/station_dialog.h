// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The confirmation dialog frmUpdate as the window's model sees it: shown modally with these
// texts, it answers with the operator's choice and the locator and notes as edited there.

namespace velmorant {

struct StationDialogRequest {
    std::string Explanation;       // lblUpdate
    std::string Callsign;          // txtOldCallsign (shown only; edits are not stored)
    std::string Locator;           // txtOldLocator (editable)
    std::string Notes;             // txtOldNotes (editable)
    bool ExistingStation = false;  // shows lblRecno, txtRecordNumber and cmdDelete
    std::string RecordNumber;      // txtRecordNumber: the record number minus 17
    std::string ReplaceCaption;    // cmdREPLACE: "REPLACE" or "ADD NEW"
};

enum class StationDialogChoice { Replace, Delete, Cancel };

struct StationDialogAnswer {
    StationDialogChoice Choice = StationDialogChoice::Cancel;  // closing the window is Cancel
    std::string Locator;
    std::string Notes;
};

class StationDialog {
  public:
    virtual ~StationDialog() = default;
    virtual StationDialogAnswer ShowModal(const StationDialogRequest& request) = 0;
};

}  // namespace velmorant
