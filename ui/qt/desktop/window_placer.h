// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QMargins>
#include <QRect>

#include "ui/model/desktop/window_placement.h"
#include "ui/qt/desktop/ini_settings_file.h"

class QWidget;

namespace velmorant {

// Puts the program's windows on the desktop and keeps their places in VELMORANT.INI's [Windows]
// group: the main window fitted to its screen at its saved place, the real-time window placed
// by PlaceRealTimeWindow each time it opens, the WINDOWS window at its saved place and size
// fitted to its screen. A saved place is used only while it still lies on a screen. All
// geometry in the desktop's logical pixels.
class WindowPlacer {
  public:
    // `keepClear` are the main window's widgets the real-time window must leave in view (STOP,
    // the status line). The widgets must outlive the placer.
    WindowPlacer(const IniSettingsFile& file, QWidget& main, QWidget& realTime, QWidget& windows,
                 std::vector<QWidget*> keepClear);

    // Before the main window shows: its saved place when on a screen, its size cut to the
    // screen's available area.
    void FitMain();

    // Before the real-time window shows: its place and size for this opening.
    void PlaceRealTime();

    // Before the WINDOWS window shows: its saved place and size, fitted to the screen; where
    // nothing is saved, where the desktop puts it.
    void PlaceWindows();

    // Notes where the real-time and WINDOWS windows are (one of them may be about to hide) and
    // writes the windows' places.
    // False, with the reason, when the file cannot be written.
    bool Save(std::string* problem = nullptr);

  private:
    std::vector<PlacementRect> ScreenAreas() const;
    // The available area of the screen that holds `frame`, else of the primary screen.
    PlacementRect AreaFor(const PlacementRect& frame) const;
    // The window's frame around its client area: the real one once the window is on the
    // desktop, else the one of the other window, else a usual desktop's.
    QMargins Frame(const QWidget& window) const;

    const IniSettingsFile& file_;
    QWidget& main_;
    QWidget& realTime_;
    QWidget& windows_;
    std::vector<QWidget*> keepClear_;
    WindowPlaces places_;
};

}  // namespace velmorant
