// SPDX-License-Identifier: GPL-3.0-or-later
// The [Radio] group of VELMORANT.INI read into settings and written back, and the values a hand
// edit can spoil.

#include "ui/model/radio/radio_settings.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(RadioSettings, WrittenValuesReadBackTheSameAndReadably) {
    RadioSettings s;
    s.Enabled = true;
    s.Host = "shack-pi.local";
    s.Port = 4599;
    s.SkyFrequencyHz = 10368100000;
    s.Mode = DopplerTuningMode::ConstantOnMoon;
    s.TransverterOffsetHz = 10224000000;
    s.Split = RadioSplit::None;
    s.StepHz = 2.5;
    const auto values = RadioSettingsValues(s);
    EXPECT_EQ(values.at("SkyFrequency"), "10368100000");  // never in exponent form
    EXPECT_EQ(values.at("TransverterOffset"), "10224000000");
    EXPECT_EQ(values.at("Mode"), "ConstantOnMoon");
    const RadioSettingsReading reading = ReadRadioSettings(values);
    EXPECT_TRUE(reading.Problems.empty());
    const RadioSettings& r = reading.Settings;
    EXPECT_TRUE(r.Enabled);
    EXPECT_EQ(r.Host, s.Host);
    EXPECT_EQ(r.Port, s.Port);
    EXPECT_EQ(r.SkyFrequencyHz, s.SkyFrequencyHz);
    EXPECT_EQ(r.Mode, s.Mode);
    EXPECT_EQ(r.TransverterOffsetHz, s.TransverterOffsetHz);
    EXPECT_EQ(r.Split, s.Split);
    EXPECT_EQ(r.StepHz, s.StepHz);
    // An empty group: rigctld's own port, tuning off until enabled.
    const RadioSettings defaults = ReadRadioSettings({}).Settings;
    EXPECT_FALSE(defaults.Enabled);
    EXPECT_EQ(defaults.Port, 4532);
    EXPECT_EQ(defaults.StepHz, 1);
}

TEST(RadioSettings, ABadValueKeepsItsDefaultWithANote) {
    const struct {
        const char* Key;
        const char* Text;
        const char* Note;
    } cases[] = {
        {"Port", "0", "[Radio] Port=0: not a port from 1 to 65535; 4532 is used."},
        {"SkyFrequency", "1e13",
         "[Radio] SkyFrequency=1e13: not hertz from 1 to 1000000000000; "
         "1296100000 is used."},
        {"Mode", "Echo",
         "[Radio] Mode=Echo: not Off, OwnEcho, FullDx or ConstantOnMoon; OwnEcho "
         "is used."},
        {"Split", "VFOB", "[Radio] Split=VFOB: not radio or none; radio is used."},
        {"Step", "0.5", "[Radio] Step=0.5: not hertz from 1 to 100000; 1 is used."},
        // The radio's frequency would be below 0.
        {"TransverterOffset", "1296100001",
         "[Radio] TransverterOffset=1296100001: not below SkyFrequency=1296100000; 0 is used."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        const RadioSettingsReading reading = ReadRadioSettings({{c.Key, c.Text}});
        ASSERT_EQ(reading.Problems.size(), 1u);
        EXPECT_EQ(reading.Problems[0], c.Note);
        EXPECT_EQ(RadioSettingsValues(reading.Settings), RadioSettingsValues(RadioSettings{}));
    }
    RadioSettings typed;
    typed.TransverterOffsetHz = typed.SkyFrequencyHz;
    EXPECT_TRUE(RadioSettingsProblem(typed));
    typed = RadioSettings{};
    typed.Host = "shack pi";
    EXPECT_TRUE(RadioSettingsProblem(typed));
    EXPECT_FALSE(RadioSettingsProblem(RadioSettings{}));
}

}  // namespace
}  // namespace velmorant
