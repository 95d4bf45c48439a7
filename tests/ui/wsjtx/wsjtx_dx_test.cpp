// SPDX-License-Identifier: GPL-3.0-or-later
// The DX station WSJT-X works, put into the DX row: from CALL3.TXT on an exact find, else from
// WSJT-X's grid; the status line says so, and warns once when WSJT-X's own grid lies outside
// Home's square. Never a message box.

#include "ui/model/wsjtx/wsjtx_dx.h"

#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"

namespace velmorant::testing_support {
namespace {

class WsjtxDxTest : public WindowTest {
  protected:
    WsjtxDxTest() {
        list.text = kList;
        window.Stations.List = &list;
        window.PutText(window.txtLocatorHome, "JO65");
        window.cmdLocatorHomeCalc_Click();
    }

    std::vector<std::string> DxRow() const {
        return {window.txtCallsignDX.Text, window.txtLocatorDX.Text, window.txtNotesDX.Text,
                window.txtLatDegDX.Text,   window.cboLatDirDX.Text,  window.txtLonDegDX.Text,
                window.cboLonDirDX.Text};
    }

    FakeStorage list;
    WsjtxDxFollower follower;
};

TEST_F(WsjtxDxTest, ACallInTheListFillsTheRowFromTheList) {
    // WSJT-X's grid differs from the list's: the list is the operator's own word.
    EXPECT_TRUE(follower.TakeStatus(window, {"DL1ABC", "JN59", "JO65ab"}));
    EXPECT_EQ(DxRow(), (std::vector<std::string>{"DL1ABC", "JN58td", "EME 2M 4x17el", "48", "N",
                                                 "11", "E"}));
    EXPECT_EQ(window.txtDateCalc.Text, "DX from WSJT-X: DL1ABC JN59");
    EXPECT_TRUE(window.txtDateCalc.Visible);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WsjtxDxTest, AnUnknownCallFillsTheRowFromItsGrid) {
    EXPECT_TRUE(follower.TakeStatus(window, {"VK4ABC", "qf56od", "JO65"}));
    EXPECT_EQ(DxRow(), (std::vector<std::string>{"VK4ABC", "QF56od", "", "33", "S", "151", "E"}));
    EXPECT_FALSE(window.txtNotesDX.Visible);
    EXPECT_EQ(window.txtDateCalc.Text, "DX from WSJT-X: VK4ABC QF56OD");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WsjtxDxTest, OnlyAChangeOfCallOrGridFillsTheRowAgain) {
    ASSERT_TRUE(follower.TakeStatus(window, {"VK4ABC", "QF56od", ""}));
    window.PutText(window.txtCallsignDX, "typed");
    EXPECT_FALSE(follower.TakeStatus(window, {"VK4ABC", "QF56OD", ""}));  // the same, again
    EXPECT_EQ(window.txtCallsignDX.Text, "typed");
    EXPECT_FALSE(follower.TakeStatus(window, {"", "", ""}));  // WSJT-X's DX cleared: row kept
    EXPECT_EQ(window.txtCallsignDX.Text, "typed");
    EXPECT_TRUE(follower.TakeStatus(window, {"K1ABC", "", ""}));
    EXPECT_EQ(window.txtLocatorDX.Text, "FN42mm");
}

TEST_F(WsjtxDxTest, AnUnknownCallWithoutAGridKeepsTheRow) {
    ASSERT_TRUE(follower.TakeStatus(window, {"W1XYZ", "", ""}));
    const auto before = DxRow();
    EXPECT_FALSE(follower.TakeStatus(window, {"ZL9ZZZ", "", ""}));
    EXPECT_EQ(DxRow(), before);
    EXPECT_EQ(window.txtDateCalc.Text,
              "DX from WSJT-X: ZL9ZZZ is not in CALL3.TXT and came without a grid; the DX row is "
              "kept");
    EXPECT_TRUE(messages.shown.empty());
}

// The texts come from the network: a hashed call is read without its brackets; a call or grid
// that is none counts as empty and never reaches the window.
TEST_F(WsjtxDxTest, OnlyCallsignsAndLocatorsAreTaken) {
    EXPECT_TRUE(follower.TakeStatus(window, {"<k1abc>", "", ""}));
    EXPECT_EQ(window.txtLocatorDX.Text, "FN42mm");
    const auto before = DxRow();
    const std::string noise = std::string(3000, 'A') + "\x01";
    EXPECT_FALSE(follower.TakeStatus(window, {noise, "JN58td<b>", noise}));
    EXPECT_FALSE(follower.TakeStatus(window, {"DL1ABC,JN58", "", ""}));
    EXPECT_EQ(DxRow(), before);
    EXPECT_EQ(window.txtDateCalc.Text, "DX from WSJT-X: K1ABC");
    EXPECT_TRUE(follower.TakeStatus(window, {"bad call!", "QF56od", ""}));
    EXPECT_EQ(window.txtCallsignDX.Text, "");
    EXPECT_EQ(window.txtDateCalc.Text, "DX from WSJT-X: QF56OD");
}

TEST_F(WsjtxDxTest, WsjtxsGridOutsideHomesSquareIsToldOnce) {
    follower.TakeStatus(window, {"", "", "JO59xx"});
    EXPECT_EQ(window.txtDateCalc.Text,
              "WSJT-X's grid JO59 is outside the Home locator's square JO65: check Home or "
              "WSJT-X's settings");
    window.PutText(window.txtDateCalc, "");
    follower.TakeStatus(window, {"K1ABC", "", "JO59xx"});
    EXPECT_EQ(window.txtDateCalc.Text, "DX from WSJT-X: K1ABC");
    // Home moved into the square: nothing to say; moved out again elsewhere: told.
    window.PutText(window.txtLocatorHome, "jo59ab");
    follower.TakeStatus(window, {"K1ABC", "", "JO59xx"});
    EXPECT_EQ(window.txtDateCalc.Text, "DX from WSJT-X: K1ABC");
    window.PutText(window.txtLocatorHome, "KP20");
    follower.TakeStatus(window, {"K1ABC", "", "JO59xx"});
    EXPECT_TRUE(window.txtDateCalc.Text.starts_with("WSJT-X's grid JO59 is outside"));
}

}  // namespace
}  // namespace velmorant::testing_support
