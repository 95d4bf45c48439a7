// SPDX-License-Identifier: GPL-3.0-or-later
// The radio during a real-time display, against a link that keeps a radio's two VFOs as rigctld's
// dummy does: reports are answered when the test says, set commands tune the VFOs. The Moon
// recedes from Home at 500 m/s and from DX at 300 m/s; the sky frequency is 10368.1 MHz behind a
// 10224 MHz transverter.

#include "ui/model/radio/radio_control.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/ephemeris/doppler.h"

namespace velmorant {
namespace {

constexpr double kSkyHz = 10368.1e6;
constexpr double kOffsetHz = 10224e6;

class RadioOnLink : public RadioLink {
  public:
    void Open(const std::string& host, int port) override {
        address = host + ":" + std::to_string(port);
    }
    int Connections() const override { return connections; }
    bool AskReport(RadioSplit, std::function<void(const RadioReport&)> answered) override {
        if (!connected) {
            return false;
        }
        pending.push_back(std::move(answered));
        return true;
    }
    bool Send(const std::vector<RigctldRequest>& requests) override {
        if (!connected) {
            return false;
        }
        for (const RigctldRequest& request : requests) {
            Apply(request);
        }
        return true;
    }
    void Close(const std::vector<RigctldRequest>& last) override {
        for (const RigctldRequest& request : last) {
            Apply(request);
        }
        closed = true;
    }

    // The radio answers every report asked so far.
    void Answer() {
        auto answers = std::move(pending);
        pending.clear();
        for (auto& answered : answers) {
            answered(radio);
        }
    }

    std::string address;
    int connections = 1;
    bool connected = true;
    bool closed = false;
    bool refuse = false;  // rigctld answers the next frequencies "RPRT -1"
    RadioReport radio;
    std::vector<std::string> commands;

  private:
    void Apply(const RigctldRequest& request) {
        RigctldConversation talk;
        commands.push_back(talk.Ask(request));
        if (request.Command == RigctldCommand::SetSplitOn) {
            return;
        }
        if (refuse) {
            ++radio.Refusals;
            return;
        }
        double& vfo = request.Command == RigctldCommand::SetFrequency ? radio.VfoHz : radio.SplitHz;
        vfo = std::round(request.FrequencyHz);
    }

    std::vector<std::function<void(const RadioReport&)>> pending;
};

RadioSettings Settings(DopplerTuningMode mode, RadioSplit split = RadioSplit::Radio) {
    RadioSettings settings;
    settings.Enabled = true;
    settings.SkyFrequencyHz = kSkyHz;
    settings.TransverterOffsetHz = kOffsetHz;
    settings.Mode = mode;
    settings.Split = split;
    return settings;
}

RealTimePassResult MoonPass(int second, double homeRateMps = 500, double dxRateMps = 300) {
    RealTimePassResult pass;
    pass.Moon = true;
    pass.Frame.ShowHome = true;
    pass.Frame.ShowDX = true;
    pass.DayNumber = 9000;
    pass.Utc.Hour = 12;
    pass.Utc.Minute = second / 60;
    pass.Utc.Second = second % 60;
    pass.Doppler.HomeRangeRateMps = homeRateMps;
    pass.Doppler.DXRangeRateMps = dxRateMps;
    return pass;
}

// The frequencies the modes' table gives for the pass at the sky frequency skyHz.
RadioFrequencies Table(DopplerTuningMode mode, const RealTimePassResult& pass, double skyHz) {
    const MoonDopplerResult shifts =
        MoonDopplerAtCarrier(pass.Doppler.HomeRangeRateMps, pass.Doppler.DXRangeRateMps, skyHz);
    return *DopplerTunedFrequencies(mode, skyHz, shifts.EchoHz, shifts.DXHz, kOffsetHz);
}

TEST(RadioControl, TheRadioIsReadFirstAndThenTunedAsTheModesTableSays) {
    for (const DopplerTuningMode mode : {DopplerTuningMode::OwnEcho, DopplerTuningMode::FullDx,
                                         DopplerTuningMode::ConstantOnMoon}) {
        SCOPED_TRACE(static_cast<int>(mode));
        RadioControl control;
        RadioOnLink link;
        const RadioSettings settings = Settings(mode);
        const RealTimePassResult pass = MoonPass(10);
        control.Pass(settings, pass, link);
        EXPECT_EQ(link.address, "127.0.0.1:4532");
        EXPECT_TRUE(link.commands.empty());  // nothing before the radio has been read
        link.Answer();
        const RadioFrequencies table = Table(mode, pass, kSkyHz);
        EXPECT_NEAR(link.radio.VfoHz, table.ReceiveHz, 0.5);
        EXPECT_NEAR(link.radio.SplitHz, table.TransmitHz, 0.5);
        EXPECT_EQ(link.commands.size(), 3u);  // F, S 1 VFOB, I
        EXPECT_EQ(control.OperatorTunings(), 0);
    }
}

TEST(RadioControl, AtMostOneTuningASecondAndNoneBelowTheStep) {
    RadioControl control;
    RadioOnLink link;
    RadioSettings settings = Settings(DopplerTuningMode::OwnEcho, RadioSplit::None);
    settings.StepHz = 10;
    // At 10368 MHz 0.1 m/s moves the echo by 6.9 Hz: below the step; 0.2 m/s by 13.8 Hz.
    const struct {
        int Second;
        double HomeRateMps;
        std::size_t CommandsAfter;
    } passes[] = {{10, 500, 1}, {10, 510, 1}, {11, 500.1, 1}, {12, 500.2, 2}, {13, 500.2, 2}};
    for (const auto& p : passes) {
        SCOPED_TRACE(p.Second);
        control.Pass(settings, MoonPass(p.Second, p.HomeRateMps), link);
        link.Answer();
        EXPECT_EQ(link.commands.size(), p.CommandsAfter);
    }
    EXPECT_EQ(control.OperatorTunings(), 0);
}

TEST(RadioControl, TheOperatorsTurnOfTheDialMovesTheSkyFrequency) {
    for (const RadioSplit split : {RadioSplit::Radio, RadioSplit::None}) {
        SCOPED_TRACE(static_cast<int>(split));
        RadioControl control;
        RadioOnLink link;
        const RadioSettings settings = Settings(DopplerTuningMode::ConstantOnMoon, split);
        control.Pass(settings, MoonPass(10), link);
        link.Answer();
        link.radio.VfoHz += 2500;  // the operator tunes up 2.5 kHz
        control.Pass(settings, MoonPass(11), link);
        link.Answer();
        EXPECT_EQ(control.OperatorTunings(), 1);
        ASSERT_TRUE(control.SkyFrequencyHz());
        EXPECT_NEAR(*control.SkyFrequencyHz(), kSkyHz + 2500, 0.5);  // whole hertz on the radio
        // Tracking goes on from there: the receive frequency stays where the operator put it,
        // the transmit frequency follows it.
        const RadioFrequencies table =
            Table(DopplerTuningMode::ConstantOnMoon, MoonPass(11), *control.SkyFrequencyHz());
        EXPECT_NEAR(link.radio.VfoHz, table.ReceiveHz, 0.5);
        if (split == RadioSplit::Radio) {
            EXPECT_NEAR(link.radio.SplitHz, table.TransmitHz, 0.5);
            // The transmit VFO turned alone moves the sky frequency too.
            link.radio.SplitHz -= 700;
            control.Pass(settings, MoonPass(12), link);
            link.Answer();
            EXPECT_EQ(control.OperatorTunings(), 2);
            EXPECT_NEAR(*control.SkyFrequencyHz(), kSkyHz + 2500 - 700, 0.5);
        }
        // STOP leaves the radio on the sky frequency without correction.
        control.Stop(link);
        EXPECT_TRUE(link.closed);
        EXPECT_NEAR(link.radio.VfoHz, *control.SkyFrequencyHz() - kOffsetHz, 0.5);
        if (split == RadioSplit::Radio) {
            EXPECT_NEAR(link.radio.SplitHz, *control.SkyFrequencyHz() - kOffsetHz, 0.5);
        }
    }
}

TEST(RadioControl, ARefusedFrequencyOrANewConnectionIsNotTheOperatorsDial) {
    RadioControl control;
    RadioOnLink link;
    const RadioSettings settings = Settings(DopplerTuningMode::OwnEcho);
    link.refuse = true;
    control.Pass(settings, MoonPass(10), link);
    link.Answer();
    link.refuse = false;
    control.Pass(settings, MoonPass(11), link);
    link.Answer();
    EXPECT_EQ(control.OperatorTunings(), 0);
    EXPECT_NEAR(link.radio.VfoHz, Table(DopplerTuningMode::OwnEcho, MoonPass(11), kSkyHz).ReceiveHz,
                0.5);
    // rigctld restarted with its radio elsewhere: tuned again, the sky frequency kept.
    link.radio.VfoHz = 145e6;
    ++link.connections;
    control.Pass(settings, MoonPass(12), link);
    link.Answer();
    EXPECT_EQ(control.OperatorTunings(), 0);
    EXPECT_DOUBLE_EQ(*control.SkyFrequencyHz(), kSkyHz);
    EXPECT_NEAR(link.radio.VfoHz, Table(DopplerTuningMode::OwnEcho, MoonPass(12), kSkyHz).ReceiveHz,
                0.5);
}

TEST(RadioControl, NothingIsTunedWithoutItsShift) {
    const RadioSettings settings = Settings(DopplerTuningMode::FullDx);
    RealTimePassResult noDx = MoonPass(10);
    noDx.Frame.ShowDX = false;
    RealTimePassResult sun = MoonPass(10);
    sun.Moon = false;
    RadioSettings off = settings;
    off.Mode = DopplerTuningMode::Off;
    RadioOnLink transmitting;
    transmitting.radio.Transmitting = true;  // one VFO is not retuned while it transmits
    struct Case {
        RadioSettings Settings;
        RealTimePassResult Pass;
        RadioOnLink& Link;
    };
    RadioOnLink a, b, c;
    for (const Case& k :
         {Case{settings, noDx, a}, Case{settings, sun, b}, Case{off, MoonPass(10), c},
          Case{Settings(DopplerTuningMode::OwnEcho, RadioSplit::None), MoonPass(10),
               transmitting}}) {
        RadioControl control;
        control.Pass(k.Settings, k.Pass, k.Link);
        k.Link.Answer();
        EXPECT_TRUE(k.Link.commands.empty());
    }
}

}  // namespace
}  // namespace velmorant
