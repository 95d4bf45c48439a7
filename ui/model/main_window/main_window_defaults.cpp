// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, SET DEFAULTS and RESTART: the window around its saved defaults (SavedDefaults).

#include "core/common/numeric.h"
#include "run/leading_number.h"
#include "ui/model/defaults/stored_numbers.h"
#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

void MainWindowModel::Form_Load() {
    // The one-second timer belongs to the view, which starts it with the window.
    Show(txtDateCalc, false);
    PutText(txtDateCalc, "");
    RealTimeFresh = true;
    PutText(txtSearch, "");
    std::vector<int> damaged;
    if (!defaults_.Load(SavedDefaults::LoadKind::StartUp, damaged)) {
        return;
    }
    SetDatesToToday();
    const bool home = chkDisplayHome.Checked;
    Show(lblAzRange, home);
    Show(txtAZMIN, home);
    Show(txtAZMAX, home);
    Show(txtGMTMIN, false);
    Show(txtGMTMAX, false);
    showingTimeRange_ = false;
    SetCaption(lblAzRange, kAzimuthRangeCaption);
    AzMin = ToSingle(LeadingNumber(txtAZMIN.Text));
    AzMax = ToSingle(LeadingNumber(txtAZMAX.Text));
    defaults_.ReportDamage(damaged);
}

void MainWindowModel::cmdSET_Click() {
    if (RunInProgress()) {
        return;
    }
    defaults_.Save();
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
    std::vector<int> damaged;
    // The range row keeps the visibility the Home display box's handler gave it.
    if (!defaults_.Load(SavedDefaults::LoadKind::Restart, damaged)) {
        return;
    }
    Show(cmdRUN, true);
    Show(cmdStop, false);
    SetDatesToToday();
    if (Hooks.MoveFocus) {
        Hooks.MoveFocus("cboMonthStart");
    }
    defaults_.ReportDamage(damaged);
}

}  // namespace velmorant
