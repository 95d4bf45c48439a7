// SPDX-License-Identifier: GPL-3.0-or-later
// Where the real-time window opens beside the main window, how a saved place is checked against
// the screens, and how the [Windows] group reads.

#include "ui/model/desktop/window_placement.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// The main window at the desktop's top-left: its design size (991 x 501) and, in desktop
// coordinates, STOP (104, 464, 153 x 33) and the status line (376, 32, 281 x 19) of frmInput.
constexpr PlacementRect kMain{0, 0, 991, 501};
const std::vector<PlacementRect> kKeepClear{{104, 464, 153, 33}, {376, 32, 281, 19}};

TEST(WindowPlacement, TheRealTimeWindowLeavesStopAndTheStatusLineClearWhenThereIsRoom) {
    const struct {
        const char* what;
        PlacementRect available;
        std::optional<PlacementRect> saved;
        PlacementRect want;
    } cases[] = {
        {"wide screen: to the right", {0, 0, 2560, 1400}, std::nullopt, {991, 0, 1277, 720}},
        {"tall screen: below", {0, 0, 1277, 1300}, std::nullopt, {0, 501, 1277, 720}},
        {"right, slid up from a main window low on the screen",
         {0, 0, 2400, 1000},
         std::nullopt,
         {991, 0, 1277, 720}},
        {"over the main window, below the status line and right of STOP",
         {0, 0, 1920, 1080},
         std::nullopt,
         {643, 360, 1277, 720}},
        {"a clear saved place wins",
         {0, 0, 2560, 1400},
         PlacementRect{1200, 600, 0, 0},
         {1200, 600, 1277, 720}},
        {"a saved place over STOP wins too: the real-time window has its own STOP",
         {0, 0, 2560, 1400},
         PlacementRect{0, 300, 0, 0},
         {0, 300, 1277, 720}},
        {"no room: the saved place",
         {0, 0, 1366, 768},
         PlacementRect{50, 40, 0, 0},
         {50, 40, 1277, 720}},
        {"no room: the saved place moved on screen",
         {0, 0, 1280, 720},
         PlacementRect{900, 300, 0, 0},
         {3, 0, 1277, 720}},
        {"no room, nothing saved: the bottom-right corner",
         {0, 0, 1366, 768},
         std::nullopt,
         {89, 48, 1277, 720}},
        {"a screen smaller than the window: cut to it",
         {0, 0, 1024, 600},
         std::nullopt,
         {0, 0, 1024, 600}},
    };
    for (const auto& c : cases) {
        const RealTimePlacementInput input{c.available, kMain, kKeepClear, 1277, 720, c.saved};
        const PlacementRect got = PlaceRealTimeWindow(input);
        EXPECT_EQ(got, c.want) << c.what << ": got " << got.X << "," << got.Y << " " << got.Width
                               << "x" << got.Height;
    }
}

// A desktop of 1280 x 720 (1920 x 1080 at 150 %): a real-time window made smaller stays where
// the operator left it, over STOP, rather than wherever else over the main window it would fit;
// with nothing saved it opens clear of STOP.
TEST(WindowPlacement, WithoutRoomBesideASmallerWindowKeepsItsSavedPlace) {
    const PlacementRect area{0, 0, 1280, 720};
    const RealTimePlacementInput saved{area, kMain, kKeepClear, 1266, 292, PlacementRect{0, 428}};
    EXPECT_EQ(PlaceRealTimeWindow(saved), (PlacementRect{0, 428, 1266, 292}));
    const RealTimePlacementInput unsaved{area, kMain, kKeepClear, 1266, 292, std::nullopt};
    EXPECT_FALSE(PlaceRealTimeWindow(unsaved).Intersects(kKeepClear[0]));
}

TEST(WindowPlacement, TheMainWindowIsCutToTheScreenAndMovedOntoIt) {
    EXPECT_EQ(FitInto({500, 400, 991, 501}, {0, 0, 1366, 728}),
              (PlacementRect{375, 227, 991, 501}));
    EXPECT_EQ(FitInto({0, 0, 991, 501}, {0, 30, 800, 570}), (PlacementRect{0, 30, 800, 501}));
    EXPECT_EQ(FitInto({-50, -50, 991, 501}, {1920, 0, 640, 480}),
              (PlacementRect{1920, 0, 640, 480}));
}

TEST(WindowPlacement, ASavedPlaceIsKeptOnlyWhileItsTitleBarIsOnAScreen) {
    const std::vector<PlacementRect> twoScreens{{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};
    const struct {
        PlacementRect frame;
        bool onScreen;
    } cases[] = {
        {{100, 100, 991, 501}, true},      {{2000, 50, 1277, 720}, true},  // on the second screen
        {{1900, 50, 991, 501}, true},                                      // across both screens
        {{3150, 50, 991, 501}, false},      // only 50 pixels of the title bar show
        {{100, -10, 991, 501}, false},      // title bar above the screen
        {{100, 1030, 991, 501}, false},     // below the panel
        {{-5000, -5000, 991, 501}, false},  // a screen that is gone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LiesOnScreen(c.frame, twoScreens), c.onScreen) << c.frame.X << "," << c.frame.Y;
    }
}

TEST(WindowPlacement, TheWindowsGroupReadsBackWhatItWrote) {
    const WindowPlaces places{PlacementRect{-20, 35, 0, 0}, PlacementRect{1000, 10, 1500, 900},
                              PlacementRect{300, 200, 1100, 750}};
    const WindowPlaces read = ReadWindowPlaces(WindowPlacesValues(places));
    EXPECT_EQ(read.Main, places.Main);
    EXPECT_EQ(read.RealTime, places.RealTime);
    EXPECT_EQ(read.Windows, places.Windows);
    // A hand edit that does not read leaves that window to its default place.
    const WindowPlaces bad = ReadWindowPlaces({{"MainX", "12px"},
                                               {"MainY", "5"},
                                               {"RealTimeX", "0"},
                                               {"RealTimeY", "0"},
                                               {"RealTimeWidth", "20"},
                                               {"RealTimeHeight", "700"},
                                               {"WindowsX", "10"},
                                               {"WindowsY", "10"},
                                               {"WindowsWidth", "800"}});
    EXPECT_FALSE(bad.Main);
    EXPECT_FALSE(bad.RealTime);
    EXPECT_FALSE(bad.Windows);
    const WindowPlaces huge = ReadWindowPlaces({{"MainX", "0"},
                                                {"MainY", "2147483647"},
                                                {"RealTimeX", "0"},
                                                {"RealTimeY", "0"},
                                                {"RealTimeWidth", "100001"},
                                                {"RealTimeHeight", "700"}});
    EXPECT_FALSE(huge.Main);
    EXPECT_FALSE(huge.RealTime);
}

}  // namespace
}  // namespace velmorant
