// SPDX-License-Identifier: GPL-3.0-or-later
// What a tuning sends for each way of splitting, and the rule that decides when a new tuning
// is worth sending: a step in hertz, at most one tuning a second.

#include "ui/model/radio/radio_tuning.h"

#include <string>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

std::string Lines(const std::vector<RigctldRequest>& requests) {
    RigctldConversation talk;
    std::string lines;
    for (const auto& request : requests) {
        lines += talk.Ask(request);
    }
    return lines;
}

TEST(RadioTuning, TheSplitDecidesTheCommands) {
    const RadioFrequencies frequencies{1295998000.4, 1296001000};
    EXPECT_EQ(Lines(TuningRequests(frequencies, RadioSplit::Radio)),
              "F 1295998000\nS 1 VFOB\nI 1296001000\n");
    EXPECT_EQ(Lines(ReadBackRequests(RadioSplit::Radio)), "f\ni\n");
    EXPECT_EQ(Lines(TuningRequests(frequencies, RadioSplit::None)), "F 1295998000\n");
    EXPECT_EQ(Lines(ReadBackRequests(RadioSplit::None)), "f\nt\n");
}

// After a tuning sent at second 100 for 1296000000/1296000000 Hz with a step of 10 Hz.
TEST(RadioTuning, ANewTuningNeedsTheStepAndANewSecond) {
    constexpr double kSentHz = 1296000000;
    const struct {
        double ReceiveHz;
        double TransmitHz;
        RadioSplit Split;
        long long Second;
        bool Due;
    } cases[] = {
        {kSentHz + 50, kSentHz, RadioSplit::Radio, 100, false},  // the same second
        {kSentHz + 9.9, kSentHz - 9.9, RadioSplit::Radio, 101, false},
        {kSentHz - 10, kSentHz, RadioSplit::Radio, 101, true},
        {kSentHz, kSentHz + 10, RadioSplit::Radio, 101, true},
        {kSentHz, kSentHz + 10, RadioSplit::None, 101, false},  // transmit is not sent
        {kSentHz + 10, kSentHz, RadioSplit::None, 101, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ReceiveHz - kSentHz);
        SCOPED_TRACE(c.TransmitHz - kSentHz);
        RadioTuningPlan plan;
        const RadioFrequencies wanted{c.ReceiveHz, c.TransmitHz};
        EXPECT_TRUE(plan.Due(wanted, c.Split, 10, 99));  // nothing sent yet
        plan.Sent({kSentHz, kSentHz}, 100);
        EXPECT_EQ(plan.Due(wanted, c.Split, 10, c.Second).has_value(), c.Due);
        plan.Forget();
        EXPECT_TRUE(plan.Due(wanted, c.Split, 10, 100));
    }
}

}  // namespace
}  // namespace velmorant
