// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "stations/callsign_search.h"
#include "stations/station_list_edit.h"
#include "stations/station_record.h"
#include "ui/model/main_window/window_context.h"
#include "ui/model/station_dialog/station_row.h"

// The station row's buttons and keys: looking a callsign up in CALL3.TXT and browsing it, the
// locator calculation, storing, replacing or deleting a station through the confirmation
// dialog, and the ESC-key automation of the callsign and locator boxes. Each works on the row
// it is given, Home or DX.

namespace velmorant {

// The texts of a station as the add button stores it.
struct StationTexts {
    std::string Callsign;
    std::string Locator;
    std::string Notes;
};

class StationWorkflow {
  public:
    // `foundRecordNumber` is the window's record number of the last search, shared by both
    // rows (0: not found).
    StationWorkflow(WindowContext window, StationServices& services, int& foundRecordNumber)
        : window_(std::move(window)), services_(services), found_(foundRecordNumber) {}

    // The lookup button: the callsign (upper-cased) searched, or a pending browse request in
    // txtSearch served; an exact find fills the locator, the coordinates and the notes.
    void Lookup(const StationRow& row);
    // What the lookup does with the station an exact find delivered: the callsign and locator
    // into the row, the calculation button, the notes shown (the record as ShownStation gives it).
    void FillFound(const StationRow& row, const StationRecord& record);
    // The calculation button: the locator to coordinates, or the coordinates to a locator.
    void CalculateLocator(const StationRow& row);
    // The add button: confirm in the dialog, then store, replace or delete the station.
    void Add(const StationRow& row);

    // A key typed into the row's callsign or locator box, while cboEsc shows "Y" (see
    // MainWindowModel::txtCallsignHome_KeyPress for what each key does).
    void CallsignKey(const StationRow& row, int& key);
    void LocatorKey(const StationRow& row, int& key);

    // Whether the status line shows the find of a search (an exact match or a browsed
    // station), as the search wrote it: browsing with the bracket keys needs one.
    bool StatusShowsFind() const;

  private:
    bool ListMissing();
    // The search with its effects on the window; nothing when CALL3.TXT is missing (the program
    // then ends). `browse` is false for the editor's plain searches.
    std::optional<SearchOutcome> Search(StationRecord& record, bool browse);
    // Stores, replaces or deletes the station after the operator confirms it; the texts come
    // back as the row should show them.
    void UpdateStationList(StationTexts& station);
    // Whether the row's station (callsign right-trimmed) may be offered for storing: complete,
    // and every field fit for a line of the list; otherwise the message (an incomplete station
    // also loses its locator, as the window always did).
    bool Storable(StationTexts& station);
    // The locator and notes a new station is offered with: those of the row that shows the
    // callsign, else what the search left in `searched`.
    StationTexts RowShowing(const std::string& callsign, const StationTexts& searched) const;
    // After the confirmation: under the list's lock, reads CALL3.TXT again, finds the callsign
    // by its whole text and writes `edit` with `newLine`; refuses with a message when the list
    // is busy, cannot be read or written, or no longer agrees with `existing` (whether the
    // station was in it when the dialog opened). True when the list was rewritten.
    bool RewriteStationList(StationEdit edit, bool existing, const std::string& callsign,
                            const std::string& newLine);

    TextBox& Box(TextMember member) { return window_.Controls.*member; }
    ComboBox& Box(ComboMember member) { return window_.Controls.*member; }

    WindowContext window_;
    StationServices& services_;
    int& found_;
    // The status text the last finding search wrote (none after one that cleared it).
    std::optional<std::string> statusWritten_;
};

}  // namespace velmorant
