// SPDX-License-Identifier: GPL-3.0-or-later
// The station buttons and keys of the main window, handed to the station workflow with the row
// they belong to.

#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

void MainWindowModel::cmdHomeLookup_Click() {
    stations_.Lookup(kHomeRow);
}
void MainWindowModel::cmdDXLookup_Click() {
    stations_.Lookup(kDXRow);
}
void MainWindowModel::cmdLocatorHomeCalc_Click() {
    stations_.CalculateLocator(kHomeRow);
}
void MainWindowModel::cmdLocatorDXCalc_Click() {
    stations_.CalculateLocator(kDXRow);
}
void MainWindowModel::cmdAddHome_Click() {
    stations_.Add(kHomeRow);
}
void MainWindowModel::cmdAddDX_Click() {
    stations_.Add(kDXRow);
}

// The keys are the workflow's only while the ESC automation is switched on.
void MainWindowModel::txtCallsignHome_KeyPress(int& key) {
    if (cboEsc.Text == "Y") {
        stations_.CallsignKey(kHomeRow, key);
    }
}
void MainWindowModel::txtCallsignDX_KeyPress(int& key) {
    if (cboEsc.Text == "Y") {
        stations_.CallsignKey(kDXRow, key);
    }
}
void MainWindowModel::txtLocatorHome_KeyPress(int& key) {
    if (cboEsc.Text == "Y") {
        stations_.LocatorKey(kHomeRow, key);
    }
}
void MainWindowModel::txtLocatorDX_KeyPress(int& key) {
    if (cboEsc.Text == "Y") {
        stations_.LocatorKey(kDXRow, key);
    }
}

}  // namespace velmorant
