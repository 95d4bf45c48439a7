// SPDX-License-Identifier: GPL-3.0-or-later
// When WSJT-X's periods let the antenna turn: while it transmits; in a contact (transmitted in
// the last two periods) not while it receives; otherwise in the last N seconds of each period;
// and after 30 s without a Status, the clock's rule.

#include "ui/model/wsjtx/wsjtx_activity.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// Seconds from a whole minute; periods of 60 s, N = 10.
TEST(WsjtxActivity, ThePeriodsDecideWhenTheAntennaTurns) {
    const auto at = [](double minute, double second) { return minute * 60 + second; };
    WsjtxActivity activity;
    EXPECT_EQ(activity.MoveWindow(at(100, 55), 10), WsjtxMoveWindow::ClockRule);  // no Status
    // Listening only: the last 10 s of each minute.
    activity.TakeStatus(at(100, 25), false, 60);
    EXPECT_EQ(activity.MoveWindow(at(100, 30), 10), WsjtxMoveWindow::Hold);
    EXPECT_EQ(activity.MoveWindow(at(100, 50), 10), WsjtxMoveWindow::Move);
    // Transmitting: any second.
    activity.TakeStatus(at(101, 0), true, 60);
    EXPECT_EQ(activity.MoveWindow(at(101, 20), 10), WsjtxMoveWindow::Move);
    // It ends at 101:47; in the contact the next receive period holds the antenna, its last
    // seconds too.
    activity.TakeStatus(at(101, 47), false, 60);
    activity.TakeStatus(at(102, 40), false, 60);  // decoding ends
    EXPECT_EQ(activity.MoveWindow(at(102, 55), 10), WsjtxMoveWindow::Hold);
    // Two periods after the last transmission the last seconds count again (a Status keeps
    // WSJT-X heard).
    activity.TakeStatus(at(103, 40), false, 60);
    EXPECT_EQ(activity.MoveWindow(at(103, 52), 10), WsjtxMoveWindow::Move);
    // 30 s without a word: the clock's rule.
    EXPECT_EQ(activity.MoveWindow(at(104, 11), 10), WsjtxMoveWindow::ClockRule);
}

TEST(WsjtxActivity, AShortPeriodAndAMissingOne) {
    WsjtxActivity activity;
    activity.TakeStatus(0, false, 15);                              // FT8's 15 s
    EXPECT_EQ(activity.MoveWindow(13, 10), WsjtxMoveWindow::Move);  // last 10 s of 0..15
    EXPECT_EQ(activity.MoveWindow(17, 10), WsjtxMoveWindow::Hold);
    activity.TakeStatus(20, false, std::nullopt);  // the period kept
    EXPECT_EQ(activity.MoveWindow(28, 10), WsjtxMoveWindow::Move);
    WsjtxActivity older;
    older.TakeStatus(0, false, std::nullopt);  // a minute assumed
    EXPECT_EQ(older.MoveWindow(28, 10), WsjtxMoveWindow::Hold);
    EXPECT_EQ(older.MoveWindow(29, 40), WsjtxMoveWindow::Move);
}

// Between two passes of a display: a transmission begun and ended still holds the antenna in
// the next receive period; the period sent last counts.
TEST(WsjtxActivity, StatusMessagesBetweenPassesAreTakenAtTheNextPass) {
    WsjtxActivity activity;
    activity.Arrived(true, 30);
    activity.Arrived(false, std::nullopt);
    EXPECT_FALSE(activity.Heard(100));
    activity.Commit(100);
    EXPECT_TRUE(activity.Heard(100));
    EXPECT_FALSE(activity.Transmitting());
    EXPECT_EQ(activity.MoveWindow(115, 10), WsjtxMoveWindow::Hold);  // last 10 s of 90..120
    EXPECT_EQ(activity.MoveWindow(131, 10), WsjtxMoveWindow::ClockRule);
    activity.Arrived(false, std::nullopt);
    activity.Commit(175);  // two 30 s periods after the transmission
    EXPECT_EQ(activity.MoveWindow(175, 10), WsjtxMoveWindow::Move);
}

}  // namespace
}  // namespace velmorant
