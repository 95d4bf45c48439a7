// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant track --follow` as a headless tracker: a real rotctld and rigctld (Hamlib's dummies,
// started here on free loopback ports and stopped by their process ids) driven by the rules
// saved in VELMORANT.INI, and WSJT-X's Status messages sent to it over loopback UDP as WSJT-X
// sends them.

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <netinet/in.h>

#include "tests/app/command_fixture.h"
#include "tests/app/hamlib_daemon.h"
#include "tests/qt/wsjtx_datagram.h"

namespace {

using namespace hamlib_test;
using velmorant::testing_support::CommandFolder;
using velmorant::testing_support::StatusDatagram;

// Early in a minute: the last seconds of the minute, when the antenna may turn while WSJT-X has
// not transmitted, are some 45 s away.
const std::string kEarlyInAMinute = "2026-03-01T16:00:05Z";
// The Moon stands some 34 degrees high in the east there then.
const std::string kHome = "LN11";

// A loopback UDP port nothing listens on: one the system hands out, given back at once.
int FreeUdpPort() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

// Sends one datagram to 127.0.0.1:port, as WSJT-X sends its listeners.
void SendDatagram(int port, const QByteArray& datagram) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const auto sent = ::sendto(fd, datagram.constData(), static_cast<std::size_t>(datagram.size()),
                               0, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
    ASSERT_EQ(sent, datagram.size());
}

void WriteSettings(const CommandFolder& folder, const std::string& text) {
    std::ofstream(folder.Path() / "VELMORANT.INI", std::ios::binary) << text;
}

QJsonObject JsonOf(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// The next frame of the tracker, waiting generously for a loaded machine; empty when none came.
QJsonObject NextFrame(RunningVelmorant& tracker) {
    const auto line = tracker.Line(10000);
    return line ? JsonOf(*line) : QJsonObject();
}

int SecondOf(const QJsonObject& frame) {
    return std::stoi(frame.value("utc").toString().mid(17, 2).toStdString());
}

// Whether `holds` comes true within 5 s.
template <typename Condition>
bool Eventually(Condition holds) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (holds()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

std::string TwoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The rule "with WSJT-X": WSJT-X's DX grid becomes the frames' DX; while it has never
// transmitted and the minute's last seconds are far, the rotator is not moved; once it
// transmits the rotator goes to Home's Moon; SIGTERM stops the rotator and ends the tracker
// within a second.
TEST(TrackFollow, TheRotatorMovesWithWsjtxAndStopsAtSigterm) {
    CommandFolder folder("track-follow-wsjtx");
    WriteSettings(folder, "[Rotator]\nMove=WithWsjtx\n");
    const std::string log = ::testing::TempDir() + "rotctld-follow-wsjtx.log";
    HamlibDaemon rotctld("rotctld", {}, log);
    ASSERT_TRUE(rotctld.Ready());
    const int wsjtxPort = FreeUdpPort();
    ASSERT_GT(wsjtxPort, 0);
    RunningVelmorant tracker("track --dir " + folder.Path().string() + " --at " + kEarlyInAMinute +
                             " --home " + kHome + " --follow --rotator " + rotctld.Address() +
                             " --wsjtx " + std::to_string(wsjtxPort) + " --format json");
    QJsonObject frame = NextFrame(tracker);
    ASSERT_FALSE(frame.isEmpty());
    ASSERT_NE(frame.value("dx_locator").toString(), "QF56od");
    EXPECT_TRUE(frame.value("rotator_azimuth_deg").isNull());

    // A Status as WSJT-X sends it every few seconds while it receives.
    const velmorant::testing_support::StatusFields receiving{"", "QF56od", "LN11", false, 60};
    for (int i = 0; i < 2; ++i) {
        SendDatagram(wsjtxPort, StatusDatagram(receiving));
    }
    for (int i = 0; i < 10 && frame.value("dx_locator").toString() != "QF56od"; ++i) {
        frame = NextFrame(tracker);
    }
    ASSERT_EQ(frame.value("dx_locator").toString(), "QF56od");
    // The DX is the frame's as the one-shot command computes it for the grid.
    const QJsonObject alone =
        JsonOf(RunVelmorant("track --dir " + folder.Path().string() + " --at " +
                            frame.value("utc").toString().toStdString() + " --home " + kHome +
                            " --dx QF56od --format json")
                   .output);
    EXPECT_EQ(frame.value("dx_azimuth_deg").toDouble(), alone.value("dx_azimuth_deg").toDouble());
    EXPECT_EQ(frame.value("dx_elevation_deg").toDouble(),
              alone.value("dx_elevation_deg").toDouble());

    // Connected, two more seconds with WSJT-X receiving, and still no move.
    ASSERT_TRUE(Eventually([&] { return rotctld.LoggedLines("rotctl(d): p ") > 0; }));
    for (int i = 0; i < 2; ++i) {
        frame = NextFrame(tracker);
        ASSERT_FALSE(frame.isEmpty());
    }
    ASSERT_LT(SecondOf(frame), 50) << "the machine is too slow for the minute's first seconds";
    EXPECT_EQ(rotctld.LoggedLines("rotctl(d): P "), 0);

    // WSJT-X transmits: the antenna turns to Home's Moon.
    velmorant::testing_support::StatusFields transmitting = receiving;
    transmitting.Transmitting = true;
    SendDatagram(wsjtxPort, StatusDatagram(transmitting));
    const std::string move = "rotctl(d): P '" +
                             TwoDecimals(frame.value("home_azimuth_deg").toDouble()) + "' '" +
                             TwoDecimals(frame.value("home_elevation_deg").toDouble()) + "'";
    EXPECT_TRUE(Eventually([&] { return rotctld.LoggedLines(move) == 1; })) << move;

    const auto signalled = std::chrono::steady_clock::now();
    EXPECT_EQ(tracker.Stop(SIGTERM), 0);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - signalled).count(),
              1.0);
    EXPECT_TRUE(Eventually([&] { return rotctld.LoggedLines("rotctl(d): S ") == 1; }));
}

// With --follow the command line's radio options win, the others come from the saved [Radio]
// group: here the saved sky frequency and transverter offset with the command line's own-echo,
// which transmits on the sky frequency less the offset. A saved mode Off is refused.
TEST(TrackFollow, TheRadioTakesWhatTheCommandLineLeavesOutFromTheSavedSettings) {
    CommandFolder folder("track-follow-radio");
    WriteSettings(folder,
                  "[Radio]\nMode=Off\nSkyFrequency=10368100000\nTransverterOffset=10224000000\n"
                  "Step=abc\n");
    HamlibDaemon rigctld("rigctld");
    ASSERT_TRUE(rigctld.Ready());
    const std::string follow = "track --dir " + folder.Path().string() + " --at " +
                               kEarlyInAMinute + " --home " + kHome + " --follow --rig " +
                               rigctld.Address() + " --format json";

    const CommandResult off = RunVelmorant(follow);
    EXPECT_EQ(off.exitCode, 2);
    EXPECT_NE(off.output.find("VELMORANT.INI is Off; give --doppler"), std::string::npos)
        << off.output;
    EXPECT_NE(off.output.find("VELMORANT.INI: [Radio] Step=abc: "), std::string::npos)
        << off.output;

    RunningVelmorant tracker(follow + " --doppler own-echo");
    QJsonObject frame;
    for (int i = 0; i < 10 && frame.value("rig_tx_hz").toDouble() != 144100000; ++i) {
        frame = NextFrame(tracker);
    }
    EXPECT_EQ(frame.value("rig_tx_hz").toDouble(), 144100000);
    EXPECT_EQ(frame.value("rig_sky_hz").toDouble(), 10368100000);
    EXPECT_EQ(tracker.Stop(SIGINT), 0);
}

}  // namespace
