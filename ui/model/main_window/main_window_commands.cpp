// SPDX-License-Identifier: GPL-3.0-or-later
// The small handlers of the main window: the display boxes, the azimuth limits and the
// two toggle labels.

#include "run/leading_number.h"
#include "ui/model/defaults/stored_numbers.h"
#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

void MainWindowModel::chkDisplayHome_Click() {
    if (chkDisplayHome.Checked) {
        // Checking always brings back the azimuth pair, whatever the label's caption says.
        Show(lblAzRange, true);
        Show(txtAZMIN, true);
        Show(txtAZMAX, true);
        AzMin = ToSingle(LeadingNumber(txtAZMIN.Text));
        AzMax = ToSingle(LeadingNumber(txtAZMAX.Text));
    } else {
        Show(lblAzRange, false);
        Show(txtAZMIN, false);
        Show(txtAZMAX, false);
        Show(txtGMTMIN, false);
        Show(txtGMTMAX, false);
    }
    if (Hooks.ClearRealTimeMap) {
        Hooks.ClearRealTimeMap();
    }
}

void MainWindowModel::chkDisplayDX_Click() {
    if (Hooks.ClearRealTimeMap) {
        Hooks.ClearRealTimeMap();
    }
}

// An azimuth outside 0 ... 360 is replaced at once; a text without a number stays as typed
// (it reads as 0, which is inside the range).
void MainWindowModel::txtAZMIN_Change() {
    const double degrees = LeadingNumber(txtAZMIN.Text);
    if (degrees < 0 || degrees > 360) {
        PutText(txtAZMIN, "0");
    }
}

void MainWindowModel::txtAZMAX_Change() {
    const double degrees = LeadingNumber(txtAZMAX.Text);
    if (degrees < 0 || degrees > 360) {
        PutText(txtAZMAX, "360");
    }
}

// The real-time display depends on the clock offset: a change ends it.
void MainWindowModel::txtTimeDif_Change() {
    StopRuns();
}

// The label shares one place between the two program paths; a click shows the other one.
void MainWindowModel::lblTextEditor_Click() {
    showingPdfReader_ = !showingPdfReader_;
    SetCaption(lblTextEditor, showingPdfReader_ ? kPdfReaderCaption : kTextEditorCaption);
    Show(txtTextEditor, !showingPdfReader_);
    Show(txtAdobeReader, showingPdfReader_);
}

// The range row shows either the azimuth pair or the UTC time pair; a click shows the other.
void MainWindowModel::lblAzRange_Click() {
    showingTimeRange_ = !showingTimeRange_;
    SetCaption(lblAzRange, showingTimeRange_ ? kTimeRangeCaption : kAzimuthRangeCaption);
    Show(txtAZMIN, !showingTimeRange_);
    Show(txtAZMAX, !showingTimeRange_);
    Show(txtGMTMIN, showingTimeRange_);
    Show(txtGMTMAX, showingTimeRange_);
}

}  // namespace velmorant
