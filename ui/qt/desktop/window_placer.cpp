// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/window_placer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velmorant {

namespace {

// A usual desktop's window frame before the window manager has told the real one: a title bar
// of about 30 logical pixels and thin borders.
constexpr QMargins kUsualFrame(4, 30, 4, 4);

PlacementRect Plain(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

bool HasFrame(const QWidget& window) {
    return window.isVisible() && window.frameGeometry() != window.geometry();
}

QMargins FrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

WindowPlacer::WindowPlacer(const IniSettingsFile& file, QWidget& main, QWidget& realTime,
                           QWidget& windows, std::vector<QWidget*> keepClear)
    : file_(file),
      main_(main),
      realTime_(realTime),
      windows_(windows),
      keepClear_(std::move(keepClear)),
      places_(ReadWindowPlaces(file.ReadGroup(kWindowsGroup))) {}

std::vector<PlacementRect> WindowPlacer::ScreenAreas() const {
    std::vector<PlacementRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(Plain(screen->availableGeometry()));
    }
    return areas;
}

PlacementRect WindowPlacer::AreaFor(const PlacementRect& frame) const {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(frame.X, frame.Y));
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? Plain(screen->availableGeometry()) : frame;
}

QMargins WindowPlacer::Frame(const QWidget& window) const {
    if (HasFrame(window)) {
        return FrameOf(window);
    }
    // The windows share the desktop's frame.
    for (const QWidget* other : {&main_, &realTime_, &windows_}) {
        if (other != &window && HasFrame(*other)) {
            return FrameOf(*other);
        }
    }
    return kUsualFrame;
}

void WindowPlacer::FitMain() {
    const QMargins frame = Frame(main_);
    const QSize design = main_.maximumSize();
    PlacementRect wanted{main_.x(), main_.y(), design.width() + frame.left() + frame.right(),
                         design.height() + frame.top() + frame.bottom()};
    const bool saved = places_.Main &&
                       LiesOnScreen({places_.Main->X, places_.Main->Y, wanted.Width, wanted.Height},
                                    ScreenAreas());
    const PlacementRect area = AreaFor(saved ? *places_.Main : wanted);
    if (saved) {
        wanted.X = places_.Main->X;
        wanted.Y = places_.Main->Y;
    } else {
        // Nothing saved: the screen's top-left corner, which leaves the most room beside and
        // below for the real-time window.
        wanted.X = area.X;
        wanted.Y = area.Y;
    }
    const PlacementRect fitted = FitInto(wanted, area);
    main_.resize(fitted.Width - frame.left() - frame.right(),
                 fitted.Height - frame.top() - frame.bottom());
    main_.move(fitted.X, fitted.Y);
}

void WindowPlacer::PlaceRealTime() {
    const QMargins frame = Frame(realTime_);
    RealTimePlacementInput input;
    input.MainFrame = Plain(main_.frameGeometry());
    input.Available = AreaFor(input.MainFrame);
    for (const QWidget* widget : keepClear_) {
        input.KeepClear.push_back(Plain(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size())));
    }
    QSize client = realTime_.size();
    if (places_.RealTime && LiesOnScreen(*places_.RealTime, ScreenAreas())) {
        input.Saved = places_.RealTime;
        client = QSize(places_.RealTime->Width, places_.RealTime->Height);
    }
    input.Width = client.width() + frame.left() + frame.right();
    input.Height = client.height() + frame.top() + frame.bottom();
    const PlacementRect placed = PlaceRealTimeWindow(input);
    realTime_.resize(std::max(placed.Width - frame.left() - frame.right(), 0),
                     std::max(placed.Height - frame.top() - frame.bottom(), 0));
    realTime_.move(placed.X, placed.Y);
}

void WindowPlacer::PlaceWindows() {
    if (!places_.Windows) {
        return;
    }
    const QMargins frame = Frame(windows_);
    const PlacementRect saved{places_.Windows->X, places_.Windows->Y,
                              places_.Windows->Width + frame.left() + frame.right(),
                              places_.Windows->Height + frame.top() + frame.bottom()};
    if (!LiesOnScreen(saved, ScreenAreas())) {
        return;
    }
    const PlacementRect fitted = FitInto(saved, AreaFor(saved));
    windows_.resize(std::max(fitted.Width - frame.left() - frame.right(), 0),
                    std::max(fitted.Height - frame.top() - frame.bottom(), 0));
    windows_.move(fitted.X, fitted.Y);
}

bool WindowPlacer::Save(std::string* problem) {
    if (realTime_.isVisible()) {
        places_.RealTime =
            PlacementRect{realTime_.x(), realTime_.y(), realTime_.width(), realTime_.height()};
    }
    if (windows_.isVisible()) {
        places_.Windows =
            PlacementRect{windows_.x(), windows_.y(), windows_.width(), windows_.height()};
    }
    if (main_.isVisible()) {
        places_.Main = PlacementRect{main_.x(), main_.y(), 0, 0};
    }
    return file_.WriteGroup(kWindowsGroup, WindowPlacesValues(places_), problem);
}

}  // namespace velmorant
