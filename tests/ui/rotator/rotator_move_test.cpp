// SPDX-License-Identifier: GPL-3.0-or-later
// When a real-time display sends a move and where to: the three rules, the elevation floor and
// the rotator's range, and the text rotctld receives.

#include "ui/model/rotator/rotator_move.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(RotatorMove, TheSetPositionCommandHasTwoDecimals) {
    EXPECT_EQ(SetPositionCommand({181.3, 14.0}), "P 181.30 14.00");
    EXPECT_EQ(SetPositionCommand({0.004, -0.004}), "P 0.00 0.00");
    EXPECT_EQ(SetPositionCommand({359.994, 89.996}), "P 359.99 90.00");
}

TEST(RotatorMove, TheAimIsWrappedClampedAndHeldBelowTheFloor) {
    RotatorSettings s;
    s.ElevationFloorDeg = -1;
    s.ElevationRangeMinDeg = 5;
    s.ElevationRangeMaxDeg = 80;
    const struct {
        double az, el;
        bool sent;
        double wantAz, wantEl;
    } cases[] = {
        {181.3, 14.0, true, 181.3, 14.0},
        {360.0, 20.0, true, 0.0, 20.0},    // a full turn is north
        {-10.0, 20.0, true, 350.0, 20.0},  // west of north
        {725.0, 20.0, true, 5.0, 20.0},
        {90.0, 85.0, true, 90.0, 80.0},     // above the range: its top
        {90.0, 2.0, true, 90.0, 5.0},       // between the floor and the range: its bottom
        {90.0, -1.0, true, 90.0, 5.0},      // on the floor is sent
        {90.0, -1.01, false, 0, 0},         // below the floor: nothing
        {std::nan(""), 20.0, false, 0, 0},  // not a number: nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.az) + " " + std::to_string(c.el));
        const auto aim = CommandedAim(s, {c.az, c.el});
        ASSERT_EQ(aim.has_value(), c.sent);
        if (aim) {
            EXPECT_NEAR(aim->AzimuthDeg, c.wantAz, 1e-9);
            EXPECT_NEAR(aim->ElevationDeg, c.wantEl, 1e-9);
            EXPECT_GE(aim->AzimuthDeg, 0.0);
            EXPECT_LT(aim->AzimuthDeg, 360.0);
        }
    }
}

// Second by second through two minutes: which passes send.
TEST(RotatorMove, LastSecondsSendsOnceInTheLastNSecondsOfEachMinute) {
    RotatorSettings s;
    s.MoveRule = RotatorMoveRule::LastSeconds;
    s.LastSeconds = 10;
    RotatorMovePlan plan;
    std::vector<int> sentAt;
    for (long long minute = 100; minute < 102; ++minute) {
        for (int second = 0; second < 60; ++second) {
            if (const auto aim = plan.Due(s, {120.0, 30.0}, minute, second)) {
                plan.Sent(*aim, minute);
                sentAt.push_back(static_cast<int>(minute - 100) * 60 + second);
            }
        }
    }
    EXPECT_EQ(sentAt, (std::vector<int>{50, 110}));
    // A display that starts at second 30 waits; one that starts at 52 sends at once.
    RotatorMovePlan late;
    EXPECT_FALSE(late.Due(s, {120.0, 30.0}, 7, 30));
    EXPECT_TRUE(late.Due(s, {120.0, 30.0}, 7, 52));
}

// With WSJT-X: once a minute when it says Move, never on Hold, the last seconds' rule when it
// is not heard. Two minutes, second by second, under each answer.
TEST(RotatorMove, WithWsjtxMovesWhenWsjtxSaysAndOnTheClockWhenItIsSilent) {
    RotatorSettings s;
    s.MoveRule = RotatorMoveRule::WithWsjtx;
    s.LastSeconds = 10;
    const auto sentUnder = [&s](const std::function<WsjtxMoveWindow(int)>& window) {
        RotatorMovePlan plan;
        std::vector<int> sentAt;
        for (int t = 0; t < 120; ++t) {
            if (const auto aim = plan.Due(s, {120.0, 30.0}, t / 60, t % 60, window(t))) {
                plan.Sent(*aim, t / 60);
                sentAt.push_back(t);
            }
        }
        return sentAt;
    };
    // Transmitting in the first 48 s of each minute.
    EXPECT_EQ(sentUnder([](int t) {
                  return t % 60 < 48 ? WsjtxMoveWindow::Move : WsjtxMoveWindow::Hold;
              }),
              (std::vector<int>{0, 60}));
    EXPECT_EQ(sentUnder([](int) { return WsjtxMoveWindow::Hold; }), std::vector<int>{});
    EXPECT_EQ(sentUnder([](int) { return WsjtxMoveWindow::ClockRule; }),
              (std::vector<int>{50, 110}));
    // The rule reads back from the file by its name.
    EXPECT_EQ(ReadRotatorSettings(RotatorSettingsValues(s)).Settings.MoveRule,
              RotatorMoveRule::WithWsjtx);
}

TEST(RotatorMove, EachMinuteSendsOnTheFirstPassOfEveryMinute) {
    RotatorSettings s;
    RotatorMovePlan plan;
    int sent = 0;
    for (long long minute = 10; minute < 13; ++minute) {
        for (int second = 17; second < 60; second += 3) {
            if (const auto aim = plan.Due(s, {120.0, 30.0}, minute, second)) {
                EXPECT_EQ(second, 17);
                plan.Sent(*aim, minute);
                ++sent;
            }
        }
    }
    EXPECT_EQ(sent, 3);
}

TEST(RotatorMove, ThresholdSendsWhenEitherAxisHasMovedByD) {
    RotatorSettings s;
    s.MoveRule = RotatorMoveRule::Threshold;
    s.ThresholdDeg = 1.0;
    RotatorMovePlan plan;
    const auto first = plan.Due(s, {359.5, 30.0}, 0, 0);
    ASSERT_TRUE(first);
    plan.Sent(*first, 0);
    EXPECT_FALSE(plan.Due(s, {0.4, 30.9}, 0, 1));   // 0.9 degrees the short way round
    EXPECT_TRUE(plan.Due(s, {0.5, 30.0}, 0, 2));    // 1.0 in azimuth across north
    EXPECT_TRUE(plan.Due(s, {359.5, 31.0}, 0, 3));  // 1.0 in elevation
}

TEST(RotatorMove, AMoveNotSentIsDueAgainAndForgetStartsAfresh) {
    RotatorSettings s;
    RotatorMovePlan plan;
    EXPECT_TRUE(plan.Due(s, {10, 10}, 5, 0));
    EXPECT_TRUE(plan.Due(s, {10, 10}, 5, 1));  // Sent was not called: the link was down
    plan.Sent({10, 10}, 5);
    EXPECT_FALSE(plan.Due(s, {10, 10}, 5, 2));
    plan.Forget();  // a new connection
    EXPECT_TRUE(plan.Due(s, {10, 10}, 5, 3));
}

}  // namespace
}  // namespace velmorant
