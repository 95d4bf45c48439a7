// SPDX-License-Identifier: GPL-3.0-or-later
// `velmorant rotate` and `velmorant track --rotator` against a real rotctld (Hamlib's dummy
// rotator, started here on a free loopback port and stopped by its process id), and the faults:
// nothing listening, a daemon that refuses the move, a loopback socket that never answers.

#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <spawn.h>

extern char** environ;

namespace {

struct CommandResult {
    int exitCode = -1;
    std::string output;  // standard output and standard error
};

CommandResult RunVelmorant(const std::string& arguments) {
    const std::string command = std::string(VELMORANT_EXECUTABLE) + " " + arguments + " 2>&1";
    CommandResult result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        result.output += buffer.data();
    }
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// A loopback socket listening on a port the system chose; it takes connections into its backlog
// and never reads or writes. Closed with the object.
class SilentListener {
  public:
    SilentListener() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(fd_, 4) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            return;
        }
        port_ = ntohs(address.sin_port);
    }
    ~SilentListener() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    int Port() const { return port_; }
    int Fd() const { return fd_; }

  private:
    int fd_ = -1;
    int port_ = 0;
};

// A port nothing listens on: one the system hands out, given back at once.
int FreePort() {
    return SilentListener().Port();
}

// rotctld -m 1 on 127.0.0.1, with extra options; stopped by its process id.
class Rotctld {
  public:
    explicit Rotctld(std::vector<std::string> extra = {}) : port_(FreePort()) {
        std::vector<std::string> args = {
            "rotctld", "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (::posix_spawnp(&pid_, "rotctld", nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
        }
    }
    ~Rotctld() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Rotctld(const Rotctld&) = delete;
    Rotctld& operator=(const Rotctld&) = delete;

    // Waits up to 5 s for the daemon to take connections.
    bool Ready() const {
        for (int attempt = 0; attempt < 50 && pid_ > 0; ++attempt) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<uint16_t>(port_));
            const bool up =
                ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            ::close(fd);
            if (up) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

    // rotctld's answer to `p` on a connection of the test's own ("2.00\n1.00\n").
    std::string AskPosition() const {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(port_));
        std::string answer;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::write(fd, "p\n", 2) == 2) {
            std::array<char, 64> buffer{};
            while (std::count(answer.begin(), answer.end(), '\n') < 2) {
                const ssize_t got = ::read(fd, buffer.data(), buffer.size());
                if (got <= 0) {
                    break;
                }
                answer.append(buffer.data(), static_cast<std::size_t>(got));
            }
        }
        ::close(fd);
        return answer;
    }

  private:
    int port_;
    pid_t pid_ = 0;
};

TEST(RotateCommand, MovesTheRotatorAndPrintsItsPosition) {
    Rotctld rotctld;
    ASSERT_TRUE(rotctld.Ready());
    // The dummy starts at 0/0 and has hardly moved when the command asks where it is.
    const CommandResult first =
        RunVelmorant("rotate --rotator " + rotctld.Address() + " --az 2 --el 1");
    EXPECT_EQ(first.exitCode, 0) << first.output;
    EXPECT_EQ(first.output, "ROT 0.0 0.0\n");
    // It arrives within a second or so (it turns some 6 degrees a second).
    std::string position;
    for (int attempt = 0; attempt < 50 && position != "2.00\n1.00\n"; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        position = rotctld.AskPosition();
    }
    EXPECT_EQ(position, "2.00\n1.00\n");
    // The same place again, a full turn on: it is there.
    const CommandResult second =
        RunVelmorant("rotate --rotator " + rotctld.Address() + " --az 362 --el 1");
    EXPECT_EQ(second.exitCode, 0) << second.output;
    EXPECT_EQ(second.output, "ROT 2.0 1.0\n");
}

TEST(RotateCommand, FaultsEndWithTheirReasonAndStatus2) {
    Rotctld strict({"-C", "max_el=45"});  // the dummy then refuses elevations above 45
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
    Rotctld rotctld;
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

// A daemon of the test's own on a loopback port: for each line it reads it writes the next
// answer of its script, then closes the connection. It serves one connection.
class ScriptedDaemon {
  public:
    explicit ScriptedDaemon(std::vector<std::string> answers) {
        const int port = listener_.Port();
        port_ = port;
        thread_ = std::thread([this, answers = std::move(answers)] { Serve(answers); });
    }
    ~ScriptedDaemon() { thread_.join(); }
    ScriptedDaemon(const ScriptedDaemon&) = delete;
    ScriptedDaemon& operator=(const ScriptedDaemon&) = delete;
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

  private:
    void Serve(const std::vector<std::string>& answers) {
        const int fd = ::accept(listener_.Fd(), nullptr, nullptr);
        if (fd < 0) {
            return;
        }
        for (const std::string& answer : answers) {
            char c = 0;
            while (::read(fd, &c, 1) == 1 && c != '\n') {
            }
            if (::write(fd, answer.data(), answer.size()) < 0) {
                break;
            }
        }
        // Waits for the client to hang up, so that nothing is cut short.
        char c = 0;
        while (::read(fd, &c, 1) == 1) {
        }
        ::close(fd);
    }

    SilentListener listener_;
    int port_ = 0;
    std::thread thread_;
};

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
    Rotctld rotctld;
    ASSERT_TRUE(rotctld.Ready());
    const std::string frame =
        std::string("track --dir ") + VELMORANT_DATA + " --at 2016-03-16T18:37:25Z --rotator ";
    const CommandResult text = RunVelmorant(frame + rotctld.Address());
    EXPECT_EQ(text.exitCode, 0) << text.output;
    EXPECT_NE(text.output.find("home_azimuth: 190.1\n"), std::string::npos) << text.output;
    EXPECT_NE(text.output.find("rotator_azimuth: 0.0\nrotator_elevation: 0.0\n"), std::string::npos)
        << text.output;
    // The dummy is on its way to 190.1/59.1 (some 6 degrees a second).
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const std::string moving = rotctld.AskPosition();
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
