// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running `velmorant` as a user runs it, and the daemons it talks to: Hamlib's own (rotctld,
// rigctld) on free loopback ports, stopped by their process ids, a socket that never answers and
// a daemon of the test's own that answers from a script.

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

#include <netinet/in.h>
#include <spawn.h>

extern char** environ;

namespace hamlib_test {

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

// A Hamlib daemon, `rotctld` or `rigctld`, with its dummy device (-m 1) on 127.0.0.1, with extra
// options; stopped by its process id.
class HamlibDaemon {
  public:
    explicit HamlibDaemon(std::string program, std::vector<std::string> extra = {})
        : port_(FreePort()) {
        std::vector<std::string> args = {
            program, "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (::posix_spawnp(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
        }
    }
    ~HamlibDaemon() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    HamlibDaemon(const HamlibDaemon&) = delete;
    HamlibDaemon& operator=(const HamlibDaemon&) = delete;

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

    // The daemon's answer of `lines` lines to `command` on a connection of the test's own: `p`
    // gives "2.00\n1.00\n", `f` "145000000\n".
    std::string Ask(const std::string& command, int lines) const {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(port_));
        std::string answer;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::write(fd, (command + "\n").data(), command.size() + 1) ==
                static_cast<ssize_t>(command.size() + 1)) {
            std::array<char, 64> buffer{};
            while (std::count(answer.begin(), answer.end(), '\n') < lines) {
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

}  // namespace hamlib_test
