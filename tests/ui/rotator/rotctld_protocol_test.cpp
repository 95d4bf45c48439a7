// SPDX-License-Identifier: GPL-3.0-or-later
// rotctld's answers as Hamlib 4.5.4's `rotctld -m 1` sends them (recorded over TCP; the Qt tests
// check the same against the running daemon), taken in any split, and what does not fit.

#include "ui/model/rotator/rotctld_protocol.h"

#include <limits>
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
    // The most negative int has no opposite in an int.
    EXPECT_EQ(HamlibErrorWords(std::numeric_limits<int>::min()), "error");
    EXPECT_EQ(HamlibErrorWords(std::numeric_limits<int>::max()), "error");
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
        {RotctldCommand::GetPosition, "1e308\n0\n"},  // no rotator's position
        {RotctldCommand::GetPosition, "10\n-90.5\n"},
        {RotctldCommand::GetPosition, "720.5\n0\n"},
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
    const auto answers = flood.Take(std::string(kLongestHamlibLine + 1, '7'));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_TRUE(answers[0].Garbled);
}

TEST(RotctldProtocol, ALineNobodyAskedForIsPassedOver) {
    RotctldConversation talk;
    talk.Ask(RotctldCommand::SetPosition, {30, 20});
    auto answers = talk.Take("RPRT 0\nRPRT 0\nextra\n");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_FALSE(answers[0].Garbled);
    talk.Ask(RotctldCommand::GetPosition);
    answers = talk.Take("-180.00\n180.00\n");
    ASSERT_EQ(answers.size(), 1u);
    ASSERT_TRUE(answers[0].Position);
    EXPECT_EQ(answers[0].Position->AzimuthDeg, -180.0);
}

TEST(RotctldProtocol, AGarbledLineIsShownPrintableAndShort) {
    const struct {
        std::string Line;
        const char* Shown;
    } cases[] = {
        {std::string("a\0b\xff\r", 5), "a\\x00b\\xFF\\x0D"},
        {"<b>bold</b> & \"x\"", "\\x3Cb\\x3Ebold\\x3C/b\\x3E \\x26 \\x22x\\x22"},
        {"\xc3\xa9t\xc3\xa9 \xc2\x85", "\xc3\xa9t\xc3\xa9 \\xC2\\x85"},  // U+0085 is a control
        {std::string(50, 'x'), "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrintableAnswer(c.Line), c.Shown);
    }
    RotctldConversation talk;
    talk.Ask(RotctldCommand::SetPosition, {30, 20});
    const auto answers = talk.Take(std::string("R\0\x1b[2J\n", 7));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].Line, "R\\x00\\x1B[2J");
}

}  // namespace
}  // namespace velmorant
