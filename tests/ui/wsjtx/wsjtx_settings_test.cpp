// SPDX-License-Identifier: GPL-3.0-or-later
// The [WSJTX] group of VELMORANT.INI: WSJT-X's own defaults, a round trip, a spoilt value.

#include "ui/model/wsjtx/wsjtx_settings.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(WsjtxSettings, DefaultsRoundTripAndASpoiltPort) {
    const WsjtxSettings defaults = ReadWsjtxSettings({}).Settings;
    EXPECT_FALSE(defaults.Enabled);
    EXPECT_EQ(defaults.Address, "127.0.0.1");
    EXPECT_EQ(defaults.Port, 2237);
    WsjtxSettings group;
    group.Enabled = true;
    group.Address = "224.0.0.1";
    group.Port = 2238;
    const WsjtxSettingsReading reading = ReadWsjtxSettings(WsjtxSettingsValues(group));
    EXPECT_TRUE(reading.Problems.empty());
    EXPECT_EQ(WsjtxSettingsValues(reading.Settings), WsjtxSettingsValues(group));
    const WsjtxSettingsReading spoilt = ReadWsjtxSettings({{"Port", "70000"}});
    ASSERT_EQ(spoilt.Problems.size(), 1u);
    EXPECT_EQ(spoilt.Problems[0], "[WSJTX] Port=70000: not a port from 1 to 65535; 2237 is used.");
    group.Address = "";
    EXPECT_TRUE(WsjtxSettingsProblem(group));
}

}  // namespace
}  // namespace velmorant
