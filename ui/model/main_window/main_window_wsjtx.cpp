// SPDX-License-Identifier: GPL-3.0-or-later
// The main window following WSJT-X: the DX station it works goes into the DX row.

#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

void MainWindowModel::TakeWsjtxStations(const WsjtxStations& stations) {
    if (!wsjtxDx_.TakeStatus(*this, stations) || !RealTimeMode) {
        return;
    }
    // The operator should not wait up to a minute to see the new DX station on the map.
    realTime_.UpdateMapAtNextPass();
    cmdRUN_Click();
}

}  // namespace velmorant
