// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant track --rig` against a real rigctld (Hamlib's dummy radio, started here on a free
// loopback port and stopped by its process id): for each Doppler mode the radio's frequencies,
// read back from the dummy on a connection of the test's own, are the table's for the frame's
// Doppler shifts at the sky frequency, less the transverter offset; and the faults.

#include <cmath>
#include <exception>
#include <string>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "tests/app/hamlib_daemon.h"

namespace {

using namespace hamlib_test;

const std::string kAt =
    std::string("track --dir ") + VELMORANT_DATA + " --at 2016-03-16T18:37:25Z --format json";

QJsonObject JsonFrame(const CommandResult& result) {
    const std::string json = result.output;
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

double Number(const std::string& line) {
    try {
        return std::stod(line);
    } catch (const std::exception&) {
        return std::nan("");
    }
}

// Whether `holds` comes true within 2 s.
template <typename Condition>
bool Eventually(Condition holds) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (holds()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

TEST(TrackRig, EachModeTunesTheRadioAsTheTableSays) {
    HamlibDaemon rigctld("rigctld");
    ASSERT_TRUE(rigctld.Ready());
    const struct {
        std::string Mode;
        std::string Band;  // MHz: the frame's shifts are then those at the sky frequency
        double SkyHz;
        double OffsetHz;
        std::string Split;
        double ReceiveEcho, ReceiveDx;    // receive = sky + ReceiveEcho * E + ReceiveDx * D
        double TransmitEcho, TransmitDx;  // transmit likewise (split radio)
    } cases[] = {
        {"own-echo", "1296.1", 1296.1e6, 0, "radio", 1, 0, 0, 0},
        {"full-dx", "1296.1", 1296.1e6, 0, "radio", 0, 1, 0, -1},
        {"cfom", "1296.1", 1296.1e6, 0, "radio", 0.5, 0, -0.5, 0},
        {"cfom", "10368.1", 10368.1e6, 10224e6, "radio", 0.5, 0, -0.5, 0},
        {"full-dx", "10368.1", 10368.1e6, 10224e6, "none", 0, 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mode + " " + c.Band + " " + c.Split);
        const std::string frame = kAt + " --set cboBand=" + c.Band;
        const QJsonObject shifts = JsonFrame(RunVelmorant(frame));
        const double echoHz = shifts.value("echo_doppler_hz").toDouble(std::nan(""));
        const double dxHz = shifts.value("dx_doppler_hz").toDouble(std::nan(""));
        ASSERT_GT(std::abs(echoHz), 100);  // a shift worth testing

        const CommandResult tuned = RunVelmorant(
            frame + " --rig " + rigctld.Address() + " --doppler " + c.Mode + " --sky-frequency " +
            std::to_string(std::llround(c.SkyHz)) + " --offset " +
            std::to_string(std::llround(c.OffsetHz)) + " --split " + c.Split);
        ASSERT_EQ(tuned.exitCode, 0) << tuned.output;
        const double radioHz = c.SkyHz - c.OffsetHz;
        const double receiveHz = radioHz + c.ReceiveEcho * echoHz + c.ReceiveDx * dxHz;
        const double transmitHz = radioHz + c.TransmitEcho * echoHz + c.TransmitDx * dxHz;
        // Both on one connection of the test's own: "receive\ntransmit\n".
        const std::string held = rigctld.Ask("f\ni", 2);
        const auto lineEnd = held.find('\n');
        EXPECT_NEAR(Number(held.substr(0, lineEnd)), receiveHz, 1) << held;
        if (c.Split == "radio") {
            EXPECT_NEAR(Number(held.substr(lineEnd + 1)), transmitHz, 1) << held;
        }
        // What the command read back is what the dummy holds; with one VFO the radio also
        // transmits where it receives.
        const QJsonObject printed = JsonFrame(tuned);
        EXPECT_NEAR(printed.value("rig_rx_hz").toDouble(), receiveHz, 1);
        EXPECT_NEAR(printed.value("rig_tx_hz").toDouble(),
                    c.Split == "none" ? receiveHz : transmitHz, 1);
        EXPECT_EQ(printed.value("echo_doppler_hz").toDouble(), echoHz);
    }
}

TEST(TrackRig, FaultsEndWithTheirReasonAndStatus2) {
    // Hamlib's dummy radio takes any frequency; a daemon of the test's own refuses it as a
    // radio refuses one outside its range.
    ScriptedDaemon refusing({"RPRT -1\n"});
    const int nobody = FreePort();
    const std::string tuning = " --doppler own-echo --sky-frequency 1296100000";
    const struct {
        std::string Arguments;
        std::string Reason;
    } cases[] = {
        {"--rig 127.0.0.1:" + std::to_string(nobody) + tuning,
         "rigctld at 127.0.0.1:" + std::to_string(nobody) + ": connection refused"},
        {"--rig " + refusing.Address() + tuning,
         "rigctld at " + refusing.Address() + ": RPRT -1 invalid parameter"},
        {"--rig 127.0.0.1:4532 --doppler own-echo", "--rig needs --doppler and --sky-frequency"},
        {"--doppler cfom --sky-frequency 1296100000", "go with --rig"},
        {"--rig 127.0.0.1:4532 --doppler sideways --sky-frequency 1", "own-echo, full-dx or cfom"},
        {"--rig 127.0.0.1:4532" + tuning + " --offset 2e9", "the radio would be tuned to -"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments);
        const CommandResult result = RunVelmorant(kAt + " " + c.Arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.output.find(c.Reason), std::string::npos) << result.output;
    }
}

// --follow for 4 s at 241 GHz, where the echo's shift moves by tens of hertz a second: with a
// step of 1 Hz the radio is tuned at most once a second, with a step of 100 kHz once; SIGTERM
// leaves it on the sky frequency without correction and the command ends with status 0.
TEST(TrackFollow, AtMostOneTuningASecondAndNoneBelowTheStep) {
    for (const int stepHz : {1, 100000}) {
        SCOPED_TRACE(stepHz);
        const std::string log = ::testing::TempDir() + "rigctld-follow.log";
        HamlibDaemon rigctld("rigctld", {}, log);
        ASSERT_TRUE(rigctld.Ready());
        RunningVelmorant follow(kAt + " --follow --rig " + rigctld.Address() +
                                " --doppler own-echo --sky-frequency 241000000000 --offset " +
                                "240856000000 --step " + std::to_string(stepHz));
        int frames = 0;
        while (frames < 5 && follow.Line(3000)) {
            ++frames;
        }
        ASSERT_EQ(frames, 5);
        EXPECT_EQ(follow.Stop(SIGTERM), 0);
        // STOP's frequencies left with the command; rigctld may take a moment to set them.
        EXPECT_TRUE(Eventually([&] { return rigctld.Ask("f\ni", 2) == "144000000\n144000000\n"; }));
        // The last F is STOP's.
        const int tunings = rigctld.LoggedLines("rigctl(d): F ") - 1;
        if (stepHz == 1) {
            EXPECT_GE(tunings, 2);
            EXPECT_LE(tunings, frames);
        } else {
            EXPECT_EQ(tunings, 1);
        }
    }
}

// The operator tunes the radio 5 kHz up on a second connection: the sky frequency follows, the
// transmit frequency with it, and tracking goes on from there. The echo's shift moves by a few
// hertz over the seconds this takes, hence the 10 Hz allowed.
TEST(TrackFollow, TheOperatorsTurnOfTheDialBecomesTheSkyFrequency) {
    HamlibDaemon rigctld("rigctld");
    ASSERT_TRUE(rigctld.Ready());
    // A step of 1 kHz: once tuned, the radio is not tuned again while the echo's shift drifts
    // by a few hertz, so no tuning of the program's can cross the test's turn of the dial (a
    // turn between the program's reading and its tuning is taken back, as from any operator).
    RunningVelmorant follow(kAt + " --follow --rig " + rigctld.Address() +
                            " --doppler own-echo --sky-frequency 10368100000 --offset " +
                            "10224000000 --step 1000");
    const auto frame = [&]() {
        const auto line = follow.Line(3000);
        return line ? QJsonDocument::fromJson(QByteArray::fromStdString(*line)).object()
                    : QJsonObject();
    };
    // The first frames come before the radio's first report; then it is tuned.
    QJsonObject shown;
    for (int i = 0; i < 6 && !(shown = frame()).value("rig_tx_hz").isDouble(); ++i) {
    }
    ASSERT_TRUE(shown.value("rig_tx_hz").isDouble());
    while (shown.value("rig_tx_hz").toDouble() != 144100000) {
        shown = frame();
        ASSERT_FALSE(shown.isEmpty());
    }
    const std::string before = rigctld.Ask("f", 1);
    const double dialHz = Number(before) + 5000;
    ASSERT_FALSE(std::isnan(dialHz)) << before;
    ASSERT_EQ(rigctld.Ask("F " + std::to_string(std::llround(dialHz)), 1), "RPRT 0\n");
    for (int i = 0; i < 4 && std::abs(shown.value("rig_sky_hz").toDouble() - 10368105000) > 10;
         ++i) {
        shown = frame();
    }
    EXPECT_NEAR(shown.value("rig_sky_hz").toDouble(), 10368105000, 10);
    frame();
    // The transmit VFO follows the new sky frequency; the dial stays where the operator put it.
    EXPECT_NEAR(Number(rigctld.Ask("i", 1)), 144105000, 10);
    EXPECT_NEAR(Number(rigctld.Ask("f", 1)), dialHz, 10);
    EXPECT_EQ(follow.Stop(SIGINT), 0);
    EXPECT_TRUE(
        Eventually([&] { return std::abs(Number(rigctld.Ask("f", 1)) - 144105000) <= 10; }));
}

TEST(TrackFollow, TheCommandLineIsChecked) {
    const struct {
        std::string Arguments;
        std::string Reason;
    } cases[] = {
        {kAt + " --wsjtx 2237",
         "--wsjtx follows WSJT-X while the command runs: it goes with "
         "--follow"},
        {kAt + " --follow --wsjtx 127.0.0.1:0", "--wsjtx takes [ADDRESS:]PORT"},
        {kAt + " --follow --wsjtx localhost:2237", "WSJT-X: UDP localhost:2237: not an IP address"},
        // The shipped folder has no VELMORANT.INI.
        {kAt + " --follow --rig 127.0.0.1:4532 --doppler cfom",
         "--rig needs --doppler and --sky-frequency, or a radio saved in"},
        {kAt + " --rig 127.0.0.1:4532 --doppler cfom --sky-frequency 1296100000 --step 0",
         "--step takes hertz from 1 to 100000, not 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments);
        const CommandResult result = RunVelmorant(c.Arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.output.find(c.Reason), std::string::npos) << result.output;
    }
}

}  // namespace
