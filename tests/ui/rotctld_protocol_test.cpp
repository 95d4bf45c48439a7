// SPDX-License-Identifier: GPL-3.0-or-later
// rotctld's answers as Hamlib 4.5.4's `rotctld -m 1` sends them (recorded over TCP; the Qt tests
// check the same against the running daemon), taken in any split, and what does not fit.

#include "ui/model/rotctld_protocol.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(RotctldProtocol, TheCommandsAreOneLineEach) {
    RotctldConversation talk;
    EXPECT_EQ(talk.Ask(RotctldCommand::SetPosition, {181.3, 14.0}), "P 181.30 14.00\n");
    EXPECT_EQ(talk.Ask(RotctldCommand::GetPosition), "p\n");
    EXPECT_EQ(talk.Ask(RotctldCommand::Stop), "S\n");
    EXPECT_EQ(talk.Unanswered(), 3u);
}

// The daemon's bytes for "P 30.00 20.00", "p", "P 10 100" (out of its range), "p" and "S",
// delivered whole, then byte by byte: the same answers.
TEST(RotctldProtocol, AnswersComeInTheOrderOfTheCommandsHoweverSplit) {
    const std::string bytes = "RPRT 0\n0.00\n0.00\nRPRT -1\n4.21\n4.21\nRPRT 0\n";
    for (const std::size_t piece : {bytes.size(), std::size_t{1}, std::size_t{5}}) {
        SCOPED_TRACE(piece);
        RotctldConversation talk;
        talk.Ask(RotctldCommand::SetPosition, {30, 20});
        talk.Ask(RotctldCommand::GetPosition);
        talk.Ask(RotctldCommand::SetPosition, {10, 100});
        talk.Ask(RotctldCommand::GetPosition);
        talk.Ask(RotctldCommand::Stop);
        std::vector<RotctldAnswer> answers;
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            for (auto& answer : talk.Take(std::string_view(bytes).substr(at, piece))) {
                answers.push_back(answer);
            }
        }
        ASSERT_EQ(answers.size(), 5u);
        EXPECT_EQ(answers[0].Command, RotctldCommand::SetPosition);
        EXPECT_EQ(answers[0].Report, 0);
        ASSERT_TRUE(answers[1].Position);
        EXPECT_EQ(answers[1].Position->AzimuthDeg, 0.0);
        EXPECT_EQ(answers[2].Report, -1);
        ASSERT_TRUE(answers[3].Position);
        EXPECT_EQ(answers[3].Position->AzimuthDeg, 4.21);
        EXPECT_EQ(answers[3].Position->ElevationDeg, 4.21);
        EXPECT_EQ(answers[4].Command, RotctldCommand::Stop);
        EXPECT_EQ(talk.Unanswered(), 0u);
        for (const auto& answer : answers) {
            EXPECT_FALSE(answer.Garbled);
        }
    }
}

TEST(RotctldProtocol, AFailedPositionQuestionIsItsReport) {
    RotctldConversation talk;
    talk.Ask(RotctldCommand::GetPosition);
    const auto answers = talk.Take("RPRT -5\r\n");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0].Position);
    EXPECT_EQ(answers[0].Report, -5);
    EXPECT_EQ(HamlibErrorWords(-5), "timed out");
    EXPECT_EQ(HamlibErrorWords(-1), "invalid parameter");
    EXPECT_EQ(HamlibErrorWords(-99), "error");
}

// Lines that are not rotctld's lose the conversation (the client reconnects).
TEST(RotctldProtocol, WhatDoesNotFitIsGarbled) {
    const struct {
        RotctldCommand asked;
        const char* bytes;
    } cases[] = {
        {RotctldCommand::SetPosition, "0.00\n"},          // a number for a set
        {RotctldCommand::GetPosition, "RPRT 0\n"},        // a position without values
        {RotctldCommand::GetPosition, "1.0\nRPRT -1\n"},  // a report inside a position
        {RotctldCommand::GetPosition, "north\n"},
        {RotctldCommand::SetPosition, "RPRT x\n"},
        {RotctldCommand::SetPosition, "RPRT 0\nRPRT 0\n"},  // an answer nobody asked for
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        RotctldConversation talk;
        talk.Ask(c.asked);
        const auto answers = talk.Take(c.bytes);
        ASSERT_FALSE(answers.empty());
        EXPECT_TRUE(answers.back().Garbled);
        EXPECT_TRUE(talk.Take("RPRT 0\n").empty());  // nothing more until a reset
    }
    RotctldConversation flood;
    flood.Ask(RotctldCommand::GetPosition);
    const auto answers = flood.Take(std::string(kLongestRotctldLine + 1, '7'));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_TRUE(answers[0].Garbled);
}

}  // namespace
}  // namespace velmorant
