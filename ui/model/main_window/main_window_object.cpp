// SPDX-License-Identifier: GPL-3.0-or-later
// The object list of the main window: which coordinate boxes are shown and what they hold.

#include "ui/model/defaults/saved_defaults.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/main_window/object_presets.h"

namespace velmorant {

void MainWindowModel::cboCelestial_Click() {
    if (Hooks.ClearRealTimeMap) {
        Hooks.ClearRealTimeMap();
    }
    Show(txtEnterObject, false);
    // The item's text decides, compared exactly; nothing chosen reads as an empty text.
    const std::string chosen =
        cboCelestial.SelectedIndex >= 0
            ? cboCelestial.Items[static_cast<std::size_t>(cboCelestial.SelectedIndex)]
            : std::string();
    const ObjectPreset* preset = FindObjectPreset(chosen);
    if (preset != nullptr && preset->Kind == ObjectKind::Computed) {
        // The boxes keep their texts for when a fixed object is chosen again.
        ShowObjectCoordinates(*this, writer_, false);
    } else {
        ShowObjectCoordinates(*this, writer_, true);
        if (preset != nullptr && preset->Kind == ObjectKind::Fixed) {
            PutText(txtCelestialRAhours, preset->RaHours);
            PutText(txtCelestialRAminutes, preset->RaMinutes);
            PutText(txtCelestialDec, preset->Declination);
        } else if (preset != nullptr && preset->Kind == ObjectKind::Custom) {
            PutText(txtCelestialRAhours, "");
            PutText(txtCelestialRAminutes, "");
            PutText(txtCelestialDec, "");
            Show(txtEnterObject, true);
            PutText(txtEnterObject,
                    SavedObjectName.empty() ? kEnterNamePrompt : std::string_view(SavedObjectName));
        }
    }
    // Another object makes any running display meaningless.
    StopRuns();
}

}  // namespace velmorant
