// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant rotate` and `velmorant track --rotator` against a real rotctld (Hamlib's dummy
// rotator, started here on a free loopback port and stopped by its process id), and the faults:
// nothing listening, a daemon that refuses the move, a loopback socket that never answers.

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/app/hamlib_daemon.h"

namespace {

using namespace hamlib_test;

TEST(RotateCommand, MovesTheRotatorAndPrintsItsPosition) {
    HamlibDaemon rotctld("rotctld");
    ASSERT_TRUE(rotctld.Ready());
    // The dummy starts at 0/0 and has hardly moved when the command asks where it is (on a busy
    // machine it may have turned a little, never past the target).
    const CommandResult first =
        RunVelmorant("rotate --rotator " + rotctld.Address() + " --az 2 --el 1");
    EXPECT_EQ(first.exitCode, 0) << first.output;
    double az = -1, el = -1;
    char end = 0;
    ASSERT_EQ(std::sscanf(first.output.c_str(), "ROT %lf %lf%c", &az, &el, &end), 3)
        << first.output;
    EXPECT_EQ(end, '\n');
    EXPECT_TRUE(az >= 0 && az <= 2 && el >= 0 && el <= 1) << first.output;
    // It arrives within a second or so (it turns some 6 degrees a second).
    std::string position;
    for (int attempt = 0; attempt < 50 && position != "2.00\n1.00\n"; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        position = rotctld.Ask("p", 2);
    }
    EXPECT_EQ(position, "2.00\n1.00\n");
    // The same place again, a full turn on: it is there.
    const CommandResult second =
        RunVelmorant("rotate --rotator " + rotctld.Address() + " --az 362 --el 1");
    EXPECT_EQ(second.exitCode, 0) << second.output;
    EXPECT_EQ(second.output, "ROT 2.0 1.0\n");
}

TEST(RotateCommand, FaultsEndWithTheirReasonAndStatus2) {
    HamlibDaemon strict("rotctld",
                        {"-C", "max_el=45"});  // the dummy then refuses elevations above 45
    ASSERT_TRUE(strict.Ready());
    SilentListener silent;
    ASSERT_GT(silent.Port(), 0);
    const int nobody = FreePort();
    const struct {
        std::string arguments;
        std::string reason;
    } cases[] = {
        {"--rotator 127.0.0.1:" + std::to_string(nobody) + " --az 10 --el 10",
         "rotctld at 127.0.0.1:" + std::to_string(nobody) + ": connection refused"},
        {"--rotator " + strict.Address() + " --az 10 --el 60",
         "rotctld at " + strict.Address() + ": RPRT -1 invalid parameter"},
        {"--rotator 127.0.0.1:" + std::to_string(silent.Port()) + " --az 10 --el 10",
         "no answer in 5 s"},
        {"--rotator 127.0.0.1 --az 10 --el 10", "not HOST:PORT"},
        {"--rotator 127.0.0.1:4533 --az north --el 10", "--az north: not a number"},
        {"--rotator 127.0.0.1:4533 --az 10", "--rotator, --az and --el are needed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto start = std::chrono::steady_clock::now();
        const CommandResult result = RunVelmorant("rotate " + c.arguments);
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.output.find(c.reason), std::string::npos) << result.output;
        EXPECT_LT(seconds, 8.0);  // the timeout is 5 s
    }
}

TEST(RotateCommand, AnyNumberOfDegreesIsWrappedAndClampedAsTheUsageSays) {
    HamlibDaemon rotctld("rotctld");
    ASSERT_TRUE(rotctld.Ready());
    for (const char* position :
         {"--az 10 --el -91", "--az -370 --el 100", "--az 1e300 --el -1e300"}) {
        SCOPED_TRACE(position);
        const CommandResult result =
            RunVelmorant("rotate --rotator " + rotctld.Address() + " " + position);
        EXPECT_EQ(result.exitCode, 0) << result.output;
        EXPECT_EQ(result.output.rfind("ROT ", 0), 0u) << result.output;
    }
}

TEST(RotateCommand, ExtraLinesAreNotWaitedForAndImpossiblePositionsAreGarbled) {
    const struct {
        std::vector<std::string> script;
        int exitCode;
        std::string output;
    } cases[] = {
        {{"RPRT 0\nextra line\n", "10.00\n20.00\n"}, 0, "ROT 10.0 20.0\n"},
        {{"RPRT 0\n", "1e308\n0\n"}, 2, "garbled answer \"1e308 0\""},
        {{"RPRT -2147483648\n"}, 2, "RPRT -2147483648 error"},
        {{std::string("RPRT 0\n", 7), std::string("\x1b[2J\0\xff\n", 7)},
         2,
         "garbled answer \"\\x1B[2J\\x00\\xFF\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        ScriptedDaemon daemon(c.script);
        const auto start = std::chrono::steady_clock::now();
        const CommandResult result =
            RunVelmorant("rotate --rotator " + daemon.Address() + " --az 10 --el 20");
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(result.exitCode, c.exitCode) << result.output;
        EXPECT_NE(result.output.find(c.output), std::string::npos) << result.output;
        EXPECT_LT(seconds, 3.0);  // no 5 s wait for an answer already complete
    }
}

// `track --rotator`: the frame's Home position goes to the rotator and its reported position is
// added to the frame.
TEST(TrackRotator, TheFramesPositionGoesToTheRotator) {
    HamlibDaemon rotctld("rotctld");
    ASSERT_TRUE(rotctld.Ready());
    const std::string frame =
        std::string("track --dir ") + VELMORANT_DATA + " --at 2016-03-16T18:37:25Z --rotator ";
    const CommandResult text = RunVelmorant(frame + rotctld.Address());
    EXPECT_EQ(text.exitCode, 0) << text.output;
    EXPECT_NE(text.output.find("home_azimuth: 190.1\n"), std::string::npos) << text.output;
    // Where the dummy was when asked: at its start, 0/0, or a little on its way to 190.1/59.1.
    const auto at = text.output.find("rotator_azimuth: ");
    ASSERT_NE(at, std::string::npos) << text.output;
    double az = -1, el = -1;
    ASSERT_EQ(std::sscanf(text.output.c_str() + at, "rotator_azimuth: %lf\nrotator_elevation: %lf",
                          &az, &el),
              2)
        << text.output;
    EXPECT_TRUE(az >= 0 && az < 190.1 && el >= 0 && el < 59.1) << text.output;
    // The dummy is on its way to 190.1/59.1 (some 6 degrees a second).
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const std::string moving = rotctld.Ask("p", 2);
    EXPECT_NE(moving, "0.00\n0.00\n");

    const CommandResult json = RunVelmorant(frame + rotctld.Address() + " --format json");
    EXPECT_EQ(json.exitCode, 0) << json.output;
    EXPECT_NE(json.output.find("\"rotator_elevation_deg\": "), std::string::npos) << json.output;
    EXPECT_EQ(json.output.substr(json.output.size() - 3), "\n}\n");

    const CommandResult refused = RunVelmorant(frame + "127.0.0.1:" + std::to_string(FreePort()));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("connection refused"), std::string::npos) << refused.output;
}

}  // namespace
