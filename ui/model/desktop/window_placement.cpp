// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/desktop/window_placement.h"

#include <algorithm>

#include "core/common/decimal.h"

namespace velmorant {

namespace {

// The title bar the operator grabs a window by: its height and the width that must show, in
// logical pixels (about the height of a desktop's title bar, and room for a mouse to grab).
constexpr int kTitleBarHeightPx = 20;
constexpr int kGrabWidthPx = 100;

// The smallest size a saved window is given back (the real-time window's header band and a strip
// of map).
constexpr int kSmallestSavedSidePx = 100;
// The farthest a saved coordinate or size may be, in logical pixels: larger than any desktop,
// small enough that sums of a few never overflow an int.
constexpr int kFarthestPlacePx = 100000;

bool CoversAny(const PlacementRect& frame, const std::vector<PlacementRect>& keepClear) {
    return std::any_of(keepClear.begin(), keepClear.end(),
                       [&](const PlacementRect& r) { return frame.Intersects(r); });
}

// Slides a frame of the area's size or smaller along both axes so it lies inside the area.
PlacementRect SlideInto(PlacementRect frame, const PlacementRect& area) {
    frame.X = std::clamp(frame.X, area.X, std::max(area.X, area.Right() - frame.Width));
    frame.Y = std::clamp(frame.Y, area.Y, std::max(area.Y, area.Bottom() - frame.Height));
    return frame;
}

std::optional<int> Number(const std::map<std::string, std::string>& values, const char* key) {
    const auto found = values.find(key);
    if (found == values.end()) {
        return std::nullopt;
    }
    const std::optional<int> value = WholeTextInteger(found->second);
    if (!value || *value < -kFarthestPlacePx || *value > kFarthestPlacePx) {
        return std::nullopt;
    }
    return value;
}

// A window's place and size under the keys prefix + X, Y, Width and Height; none unless all
// four read and the size is at least the smallest given back.
std::optional<PlacementRect> SavedFrame(const std::map<std::string, std::string>& values,
                                        const std::string& prefix) {
    const auto x = Number(values, (prefix + "X").c_str());
    const auto y = Number(values, (prefix + "Y").c_str());
    const auto width = Number(values, (prefix + "Width").c_str());
    const auto height = Number(values, (prefix + "Height").c_str());
    if (x && y && width && height && *width >= kSmallestSavedSidePx &&
        *height >= kSmallestSavedSidePx) {
        return PlacementRect{*x, *y, *width, *height};
    }
    return std::nullopt;
}

void PutFrame(std::map<std::string, std::string>& values, const std::string& prefix,
              const std::optional<PlacementRect>& frame) {
    if (frame) {
        values[prefix + "X"] = std::to_string(frame->X);
        values[prefix + "Y"] = std::to_string(frame->Y);
        values[prefix + "Width"] = std::to_string(frame->Width);
        values[prefix + "Height"] = std::to_string(frame->Height);
    }
}

}  // namespace

bool PlacementRect::Contains(const PlacementRect& other) const {
    return other.X >= X && other.Y >= Y && other.Right() <= Right() && other.Bottom() <= Bottom();
}

bool PlacementRect::Intersects(const PlacementRect& other) const {
    return other.X < Right() && X < other.Right() && other.Y < Bottom() && Y < other.Bottom();
}

PlacementRect FitInto(const PlacementRect& frame, const PlacementRect& area) {
    PlacementRect fitted = frame;
    fitted.Width = std::min(frame.Width, area.Width);
    fitted.Height = std::min(frame.Height, area.Height);
    return SlideInto(fitted, area);
}

PlacementRect PlaceRealTimeWindow(const RealTimePlacementInput& input) {
    const PlacementRect& area = input.Available;
    const PlacementRect& main = input.MainFrame;
    const int width = std::min(input.Width, area.Width);
    const int height = std::min(input.Height, area.Height);
    // Where the operator left it, over STOP or not: the real-time window has its own STOP.
    if (input.Saved) {
        return SlideInto({input.Saved->X, input.Saved->Y, width, height}, area);
    }
    // Beside the main window first (the map wants width), then below and above it; then any
    // place whose edges meet the area's, the main window's or those of what must stay clear,
    // which finds the room right of STOP and below the status line over the main window.
    const PlacementRect candidates[] = {
        {main.Right(), main.Y, width, height},
        {main.X - width, main.Y, width, height},
        {main.X, main.Bottom(), width, height},
        {main.X, main.Y - height, width, height},
    };
    for (const PlacementRect& candidate : candidates) {
        const PlacementRect slid = SlideInto(candidate, area);
        if (area.Contains(slid) && !CoversAny(slid, input.KeepClear)) {
            return slid;
        }
    }
    std::vector<int> lefts{main.Right(), main.X - width, area.X, area.Right() - width};
    std::vector<int> tops{main.Bottom(), main.Y - height, area.Y, area.Bottom() - height};
    for (const PlacementRect& clear : input.KeepClear) {
        lefts.insert(lefts.end(), {clear.Right(), clear.X - width});
        tops.insert(tops.end(), {clear.Bottom(), clear.Y - height});
    }
    for (const int top : tops) {
        for (const int left : lefts) {
            const PlacementRect place{left, top, width, height};
            if (area.Contains(place) && !CoversAny(place, input.KeepClear)) {
                return place;
            }
        }
    }
    return {area.Right() - width, area.Bottom() - height, width, height};
}

bool LiesOnScreen(const PlacementRect& frame, const std::vector<PlacementRect>& areas) {
    const int grabWidth = std::min(frame.Width, kGrabWidthPx);
    return std::any_of(areas.begin(), areas.end(), [&](const PlacementRect& area) {
        const int left = std::max(frame.X, area.X);
        const int right = std::min(frame.Right(), area.Right());
        const bool wholeHeight = frame.Y >= area.Y && frame.Y + kTitleBarHeightPx <= area.Bottom();
        return wholeHeight && right - left >= grabWidth;
    });
}

WindowPlaces ReadWindowPlaces(const std::map<std::string, std::string>& values) {
    WindowPlaces places;
    const auto mainX = Number(values, "MainX");
    const auto mainY = Number(values, "MainY");
    if (mainX && mainY) {
        places.Main = PlacementRect{*mainX, *mainY, 0, 0};
    }
    places.RealTime = SavedFrame(values, "RealTime");
    places.Windows = SavedFrame(values, "Windows");
    return places;
}

std::map<std::string, std::string> WindowPlacesValues(const WindowPlaces& places) {
    std::map<std::string, std::string> values;
    if (places.Main) {
        values["MainX"] = std::to_string(places.Main->X);
        values["MainY"] = std::to_string(places.Main->Y);
    }
    PutFrame(values, "RealTime", places.RealTime);
    PutFrame(values, "Windows", places.Windows);
    return values;
}

}  // namespace velmorant
