// SPDX-License-Identifier: GPL-3.0-or-later
// rigctld's answers as Hamlib 4.5.4's `rigctld -m 1` sends them (recorded over TCP; the command
// tests check the same against the running daemon), taken in any split, and what does not fit.

#include "ui/model/radio/rigctld_protocol.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

std::vector<RigctldAnswer> TakeInPieces(RigctldConversation& talk, std::string_view bytes,
                                        std::size_t piece) {
    std::vector<RigctldAnswer> answers;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        for (auto& answer : talk.Take(bytes.substr(at, piece))) {
            answers.push_back(answer);
        }
    }
    return answers;
}

TEST(RigctldProtocol, TheCommandsAreOneLineEachInWholeHertz) {
    RigctldConversation talk;
    EXPECT_EQ(talk.Ask({RigctldCommand::SetFrequency, 1296000122.6}), "F 1296000123\n");
    EXPECT_EQ(talk.Ask({RigctldCommand::SetSplitOn, 0}), "S 1 VFOB\n");
    EXPECT_EQ(talk.Ask({RigctldCommand::SetSplitFrequency, 10368100000.4}), "I 10368100000\n");
    EXPECT_EQ(talk.Ask({RigctldCommand::GetFrequency, 0}), "f\n");
    EXPECT_EQ(talk.Ask({RigctldCommand::GetSplitFrequency, 0}), "i\n");
    EXPECT_EQ(talk.Unanswered(), 5u);
}

// The daemon's bytes for F, S 1 VFOB, I, f and i, whole, byte by byte and in fives.
TEST(RigctldProtocol, AnswersComeInTheOrderOfTheCommandsHoweverSplit) {
    const std::string bytes = "RPRT 0\nRPRT 0\nRPRT -1\n1296000123\n1296001000\n";
    for (const std::size_t piece : {bytes.size(), std::size_t{1}, std::size_t{5}}) {
        SCOPED_TRACE(piece);
        RigctldConversation talk;
        for (const auto command : {RigctldCommand::SetFrequency, RigctldCommand::SetSplitOn,
                                   RigctldCommand::SetSplitFrequency, RigctldCommand::GetFrequency,
                                   RigctldCommand::GetSplitFrequency}) {
            talk.Ask({command, 1296000123});
        }
        const auto answers = TakeInPieces(talk, bytes, piece);
        ASSERT_EQ(answers.size(), 5u);
        EXPECT_EQ(answers[2].Command, RigctldCommand::SetSplitFrequency);
        EXPECT_EQ(answers[2].Report, -1);
        EXPECT_EQ(answers[3].FrequencyHz, 1296000123.0);
        EXPECT_EQ(answers[4].Command, RigctldCommand::GetSplitFrequency);
        EXPECT_EQ(answers[4].FrequencyHz, 1296001000.0);
        for (const auto& answer : answers) {
            EXPECT_FALSE(answer.Garbled);
        }
        EXPECT_EQ(talk.Unanswered(), 0u);
    }
}

// The dummy answers "F 144000000 junk" with "RPRT 0", "0" and "RPRT -1": the lines after the
// answer are nobody's and are passed over; the next question's answer still fits.
TEST(RigctldProtocol, LinesNobodyAskedForArePassedOver) {
    RigctldConversation talk;
    talk.Ask({RigctldCommand::SetFrequency, 144000000});
    auto answers = talk.Take("RPRT 0\n0\nRPRT -1\n");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].Report, 0);
    talk.Ask({RigctldCommand::GetFrequency, 0});
    answers = talk.Take("144000000\n");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].FrequencyHz, 144000000.0);
}

TEST(RigctldProtocol, WhatDoesNotFitIsGarbledAndEndsTheConversation) {
    const struct {
        RigctldCommand Command;
        std::string Bytes;
        std::string Shown;
    } cases[] = {
        {RigctldCommand::GetFrequency, "RPRT 0\n", "RPRT 0"},  // a question answered as a set
        {RigctldCommand::SetFrequency, "145000000\n", "145000000"},
        {RigctldCommand::GetFrequency, "VFOA\n", "VFOA"},
        // What the dummy reports after being sent 1e20 Hz.
        {RigctldCommand::GetFrequency, "-9223372036854775808\n", "-9223372036854775808"},
        {RigctldCommand::GetSplitFrequency, "nan\n", "nan"},
        {RigctldCommand::GetFrequency, "1e13\n", "1e13"},
        {RigctldCommand::GetFrequency, std::string(kLongestHamlibLine + 1, '7'),
         std::string(kLongestShownAnswer, '7') + "..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Bytes);
        RigctldConversation talk;
        talk.Ask({c.Command, 0});
        talk.Ask({RigctldCommand::GetFrequency, 0});
        const auto answers = talk.Take(c.Bytes);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_TRUE(answers[0].Garbled);
        EXPECT_EQ(answers[0].Line, c.Shown);
        EXPECT_TRUE(talk.Take("145000000\n").empty());
        talk.Reset();
        talk.Ask({RigctldCommand::GetFrequency, 0});
        EXPECT_EQ(talk.Take("145000000\r\n").at(0).FrequencyHz, 145000000.0);
    }
}

}  // namespace
}  // namespace velmorant
