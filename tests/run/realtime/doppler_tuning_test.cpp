// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's receive and transmit frequencies in each Doppler mode, with and without a
// transverter: F = 10368.1 MHz, E = -20 kHz, D = -15 kHz (the Moon receding).

#include "run/realtime/doppler_tuning.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(DopplerTuning, EachModeSharesTheShiftAsTheManualsTableSays) {
    constexpr double kSkyHz = 10368.1e6;
    constexpr double kEchoHz = -20000;
    constexpr double kDxHz = -15000;
    constexpr double kOffsetHz = 10224e6;  // a 144 MHz radio behind the transverter
    const struct {
        DopplerTuningMode Mode;
        double OffsetHz;
        double ReceiveHz;
        double TransmitHz;
    } cases[] = {
        {DopplerTuningMode::OwnEcho, 0, 10368.08e6, 10368.1e6},
        {DopplerTuningMode::FullDx, 0, 10368.085e6, 10368.115e6},
        {DopplerTuningMode::ConstantOnMoon, 0, 10368.09e6, 10368.11e6},
        {DopplerTuningMode::OwnEcho, kOffsetHz, 144.08e6, 144.1e6},
        {DopplerTuningMode::FullDx, kOffsetHz, 144.085e6, 144.115e6},
        {DopplerTuningMode::ConstantOnMoon, kOffsetHz, 144.09e6, 144.11e6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Mode));
        SCOPED_TRACE(c.OffsetHz);
        const auto tuned = DopplerTunedFrequencies(c.Mode, kSkyHz, kEchoHz, kDxHz, c.OffsetHz);
        ASSERT_TRUE(tuned);
        EXPECT_NEAR(tuned->ReceiveHz, c.ReceiveHz, 1e-3);
        EXPECT_NEAR(tuned->TransmitHz, c.TransmitHz, 1e-3);
        // The operator's dial read back gives the sky frequency it was tuned for, from either
        // side.
        EXPECT_NEAR(
            SkyFrequencyForReceive(c.Mode, tuned->ReceiveHz + 500, kEchoHz, kDxHz, c.OffsetHz),
            kSkyHz + 500, 1e-3);
        EXPECT_NEAR(
            SkyFrequencyForTransmit(c.Mode, tuned->TransmitHz - 70, kEchoHz, kDxHz, c.OffsetHz),
            kSkyHz - 70, 1e-3);
    }
    EXPECT_FALSE(DopplerTunedFrequencies(DopplerTuningMode::Off, kSkyHz, kEchoHz, kDxHz, 0));
}

}  // namespace
}  // namespace velmorant
