// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "ui/model/defaults/defaults_file.h"
#include "ui/model/defaults/defaults_storage.h"
#include "ui/model/main_window/window_context.h"

// The saved defaults VELMORANT.DAT: the window's contents loaded at start-up and by RESTART,
// and saved by SET DEFAULTS.
//
// A field the file cannot supply (a short or damaged line) gives its control the window's
// initial contents, so a damaged file still yields a usable window; the operator is told which
// lines were damaged.

namespace velmorant {

class SavedDefaults {
  public:
    enum class LoadKind { StartUp, Restart };

    // `savedObjectName` is the window's custom object name last loaded or saved.
    SavedDefaults(WindowContext window, DefaultsStorage& storage, std::string& savedObjectName)
        : window_(std::move(window)), storage_(storage), savedObjectName_(savedObjectName) {}

    // Reads the file and loads it into the window. False when the file is missing or cannot be
    // read: the missing-file message is shown and the program asked to end. `damagedLines`
    // receives the lines that could not be read whole (see ReportDamage).
    bool Load(LoadKind kind, std::vector<int>& damagedLines);
    // Tells the operator which lines of the file were damaged; nothing when none were.
    void ReportDamage(const std::vector<int>& lines);
    // SET DEFAULTS: the window's contents written to the file (a message when that fails).
    void Save();

  private:
    void LoadRecord(const DefaultsRecord& record, LoadKind kind);
    void LoadObject(const DefaultsRecord& record, LoadKind kind);
    DefaultsRecord Collect() const;

    WindowContext window_;
    DefaultsStorage& storage_;
    std::string& savedObjectName_;
};

// Shows or hides the object's right ascension and declination boxes with their captions.
void ShowObjectCoordinates(MainWindowControls& window, WindowWriter& writer, bool visible);

}  // namespace velmorant
