// SPDX-License-Identifier: GPL-3.0-or-later
// The [Rotator] group of VELMORANT.INI read into settings and written back, the values a hand
// edit can spoil, and the HOST:PORT form of the command line.

#include "ui/model/rotator/rotator_settings.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(RotatorSettings, AnEmptyGroupGivesTheDefaults) {
    const RotatorSettingsReading reading = ReadRotatorSettings({});
    const RotatorSettings& s = reading.Settings;
    EXPECT_TRUE(reading.Problems.empty());
    EXPECT_FALSE(s.Enabled);
    EXPECT_EQ(s.Host, "127.0.0.1");
    EXPECT_EQ(s.Port, 4533);
    EXPECT_EQ(s.Station, RotatorStation::Home);
    EXPECT_EQ(s.ElevationFloorDeg, 0);
    EXPECT_EQ(s.ElevationRangeMinDeg, 0);
    EXPECT_EQ(s.ElevationRangeMaxDeg, 90);
    EXPECT_EQ(s.MoveRule, RotatorMoveRule::EachMinute);
    EXPECT_EQ(s.LastSeconds, 10);
    EXPECT_EQ(s.ThresholdDeg, 1.0);
}

TEST(RotatorSettings, WrittenValuesReadBackTheSame) {
    RotatorSettings s;
    s.Enabled = true;
    s.Host = "shack-pi.local";
    s.Port = 4599;
    s.Station = RotatorStation::DX;
    s.ElevationFloorDeg = -2.5;
    s.ElevationRangeMinDeg = 5;
    s.ElevationRangeMaxDeg = 180;
    s.MoveRule = RotatorMoveRule::Threshold;
    s.LastSeconds = 7;
    s.ThresholdDeg = 0.25;
    const RotatorSettingsReading reading = ReadRotatorSettings(RotatorSettingsValues(s));
    EXPECT_TRUE(reading.Problems.empty());
    const RotatorSettings& r = reading.Settings;
    EXPECT_EQ(r.Enabled, s.Enabled);
    EXPECT_EQ(r.Host, s.Host);
    EXPECT_EQ(r.Port, s.Port);
    EXPECT_EQ(r.Station, s.Station);
    EXPECT_EQ(r.ElevationFloorDeg, s.ElevationFloorDeg);
    EXPECT_EQ(r.ElevationRangeMinDeg, s.ElevationRangeMinDeg);
    EXPECT_EQ(r.ElevationRangeMaxDeg, s.ElevationRangeMaxDeg);
    EXPECT_EQ(r.MoveRule, s.MoveRule);
    EXPECT_EQ(r.LastSeconds, s.LastSeconds);
    EXPECT_EQ(r.ThresholdDeg, s.ThresholdDeg);
}

// A hand-edited value that does not read: the default is used and the note names the key.
TEST(RotatorSettings, ABadValueFallsBackToItsDefaultWithANote) {
    const struct {
        const char* key;
        const char* text;
    } cases[] = {
        {"Enabled", "maybe"},
        {"Host", ""},
        {"Host", "my host"},
        {"Port", "abc"},
        {"Port", "0"},
        {"Port", "70000"},
        {"Port", "4533.5"},
        {"Station", "Moon"},
        {"ElevationFloor", "low"},
        {"ElevationFloor", "95"},
        {"ElevationMin", "nan"},
        {"ElevationMax", "1e999"},
        {"Move", "Sometimes"},
        {"LastSeconds", "0"},
        {"LastSeconds", "60"},
        {"Threshold", "0"},
        {"Threshold", "-1"},
        {"Threshold", "91"},
    };
    const RotatorSettings defaults;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.text);
        const RotatorSettingsReading reading = ReadRotatorSettings({{c.key, c.text}});
        ASSERT_EQ(reading.Problems.size(), 1u);
        EXPECT_NE(reading.Problems[0].find(std::string("[Rotator] ") + c.key + "="),
                  std::string::npos)
            << reading.Problems[0];
        EXPECT_EQ(RotatorSettingsValues(reading.Settings), RotatorSettingsValues(defaults));
    }
}

TEST(RotatorSettings, AnElevationRangeUpsideDownFallsBackToZeroToNinety) {
    const RotatorSettingsReading reading =
        ReadRotatorSettings({{"ElevationMin", "60"}, {"ElevationMax", "20"}});
    ASSERT_EQ(reading.Problems.size(), 1u);
    EXPECT_EQ(reading.Settings.ElevationRangeMinDeg, 0);
    EXPECT_EQ(reading.Settings.ElevationRangeMaxDeg, 90);
}

TEST(RotatorSettings, TheDialogRefusesABlankHostAndAnUpsideDownRange) {
    RotatorSettings s;
    EXPECT_FALSE(RotatorSettingsProblem(s));
    s.Host = " ";
    EXPECT_TRUE(RotatorSettingsProblem(s));
    s = RotatorSettings{};
    s.ElevationRangeMinDeg = 95;
    EXPECT_TRUE(RotatorSettingsProblem(s));
    s.ElevationRangeMinDeg = s.ElevationRangeMaxDeg = 0;  // an azimuth-only rotator
    EXPECT_FALSE(RotatorSettingsProblem(s));
}

TEST(RotatorSettings, RotatorAddressesReadAsHostAndPort) {
    const struct {
        const char* text;
        const char* host;  // nullptr: refused
        int port;
    } cases[] = {
        {"127.0.0.1:4533", "127.0.0.1", 4533},
        {"shack-pi:4599", "shack-pi", 4599},
        {"[::1]:4533", "::1", 4533},
        {" localhost:1 ", "localhost", 1},
        {"127.0.0.1", nullptr, 0},
        {"127.0.0.1:", nullptr, 0},
        {":4533", nullptr, 0},
        {"host:0", nullptr, 0},
        {"host:65536", nullptr, 0},
        {"host:+45", nullptr, 0},
        {"host:45x", nullptr, 0},
        {"::1:4533", nullptr, 0},
        {"", nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto address = ParseHamlibAddress(c.text);
        if (c.host == nullptr) {
            EXPECT_FALSE(address);
            continue;
        }
        ASSERT_TRUE(address);
        EXPECT_EQ(address->Host, c.host);
        EXPECT_EQ(address->Port, c.port);
    }
}

}  // namespace
}  // namespace velmorant
