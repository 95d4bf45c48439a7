// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Where the program's windows go on the desktop: the main window fitted to the screen, the
// real-time window placed at first so it leaves the main window's STOP button and status line
// in view,
// the WINDOWS window, and the places the operator left them, kept in VELMORANT.INI's [Windows]
// group. Plain
// rectangles in the desktop's logical pixels (the units the toolkit reports at any scale), with
// y pointing down; no toolkit.

namespace velmorant {

inline constexpr const char* kWindowsGroup = "Windows";

// A rectangle in logical pixels: its top-left corner and its size (never negative).
struct PlacementRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return X + Width; }    // one past the last column
    int Bottom() const { return Y + Height; }  // one past the last row
    bool Contains(const PlacementRect& other) const;
    bool Intersects(const PlacementRect& other) const;
    bool operator==(const PlacementRect&) const = default;
};

// What the real-time window's placement starts from, all in desktop coordinates.
struct RealTimePlacementInput {
    PlacementRect Available;               // the screen's area for windows (without panels)
    PlacementRect MainFrame;               // the main window with its frame
    std::vector<PlacementRect> KeepClear;  // STOP and the status line
    int Width = 0;                         // the real-time window's frame size wanted
    int Height = 0;
    std::optional<PlacementRect> Saved;  // where the operator last left it (its frame)
};

// The real-time window's frame: the saved place, moved into the area where it sticks out (over
// STOP or not: the real-time window has its own STOP); with nothing saved, beside the main
// window (right, then left), below it or above it, slid to stay inside the area; else any place
// inside the area that leaves STOP and the status line clear; else the area's bottom-right
// corner. The size is the one wanted, cut to the area.
PlacementRect PlaceRealTimeWindow(const RealTimePlacementInput& input);

// `frame` cut to the area's size and moved inside it (the main window on a small screen).
PlacementRect FitInto(const PlacementRect& frame, const PlacementRect& area);

// True when a saved frame still lies on one of the screens' areas: 100 pixels' width of its
// title bar (the top 20 pixels) lie inside one of them, so the operator can grab it.
bool LiesOnScreen(const PlacementRect& frame, const std::vector<PlacementRect>& areas);

// The saved places of the windows. Keys of the [Windows] group: MainX, MainY, RealTimeX,
// RealTimeY, RealTimeWidth, RealTimeHeight, WindowsX, WindowsY, WindowsWidth, WindowsHeight
// (logical pixels; the position of the frame, the size of the client area). The main window's
// size is not kept: it is the design's size or the screen's.
struct WindowPlaces {
    std::optional<PlacementRect> Main;      // position only; Width and Height are 0
    std::optional<PlacementRect> RealTime;  // position and size
    std::optional<PlacementRect> Windows;   // the WINDOWS window: position and size
};

// Reads the group's values; a missing or unreadable number, or one beyond 100000 either way,
// leaves that window unsaved.
WindowPlaces ReadWindowPlaces(const std::map<std::string, std::string>& values);

// The group's values for the places.
std::map<std::string, std::string> WindowPlacesValues(const WindowPlaces& places);

}  // namespace velmorant
