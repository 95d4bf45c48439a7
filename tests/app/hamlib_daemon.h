// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running `velmorant` as a user runs it, and the daemons it talks to: Hamlib's own (rotctld,
// rigctld) on free loopback ports, stopped by their process ids, a socket that never answers and
// a daemon of the test's own that answers from a script.

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <netinet/in.h>
#include <poll.h>
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
// options; stopped by its process id. With a log file it logs every command it reads there
// (-vvvvv): "rigctl(d): F 'currVFO' '144100000' '' ''".
class HamlibDaemon {
  public:
    explicit HamlibDaemon(std::string program, std::vector<std::string> extra = {},
                          const std::string& log = {})
        : port_(FreePort()), log_(log) {
        std::vector<std::string> args = {
            program, "-m", "1", "-T", "127.0.0.1", "-t", std::to_string(port_)};
        args.insert(args.end(), extra.begin(), extra.end());
        if (!log.empty()) {
            args.push_back("-vvvvv");
        }
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        if (!log.empty()) {
            posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                             0644);
            posix_spawn_file_actions_adddup2(&files, 1, 2);
        }
        if (::posix_spawnp(&pid_, program.c_str(), &files, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
        }
        posix_spawn_file_actions_destroy(&files);
    }

    // The lines of the log that start so.
    int LoggedLines(const std::string& start) const {
        std::ifstream in(log_, std::ios::binary);
        int count = 0;
        for (std::string line; std::getline(in, line);) {
            count += line.starts_with(start) ? 1 : 0;
        }
        return count;
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
    // rigctld 4.5 now and then resets a second client's connection while another client is
    // being served; the question is asked again then, as an operator's program would.
    std::string Ask(const std::string& command, int lines) const {
        std::string answer;
        for (int attempt = 0; attempt < 3 && answer.empty(); ++attempt) {
            answer = AskOnce(command, lines);
        }
        return answer;
    }

  private:
    std::string AskOnce(const std::string& command, int lines) const {
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

    int port_;
    std::string log_;
    pid_t pid_ = 0;
};

// `velmorant` running with its standard output on a pipe the test reads line by line, ended by a
// signal the test sends.
class RunningVelmorant {
  public:
    explicit RunningVelmorant(const std::string& arguments) {
        int fds[2];
        if (::pipe(fds) != 0) {
            return;
        }
        const std::string command = "exec " + std::string(VELMORANT_EXECUTABLE) + " " + arguments;
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_adddup2(&files, fds[1], 1);
        posix_spawn_file_actions_addclose(&files, fds[0]);
        char sh[] = "sh";
        char c[] = "-c";
        std::string text = command;
        char* argv[] = {sh, c, text.data(), nullptr};
        if (::posix_spawn(&pid_, "/bin/sh", &files, nullptr, argv, environ) != 0) {
            pid_ = 0;
        }
        posix_spawn_file_actions_destroy(&files);
        ::close(fds[1]);
        out_ = fds[0];
    }
    ~RunningVelmorant() {
        if (pid_ > 0) {
            Stop(SIGKILL);
        }
        if (out_ >= 0) {
            ::close(out_);
        }
    }
    RunningVelmorant(const RunningVelmorant&) = delete;
    RunningVelmorant& operator=(const RunningVelmorant&) = delete;

    // The next line it prints, waiting up to timeoutMs; none when nothing came or it ended.
    std::optional<std::string> Line(int timeoutMs) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (true) {
            const auto end = pending_.find('\n');
            if (end != std::string::npos) {
                std::string line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd poll{out_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&poll, 1, static_cast<int>(left.count())) <= 0) {
                return std::nullopt;
            }
            char buffer[4096];
            const ssize_t got = ::read(out_, buffer, sizeof buffer);
            if (got <= 0) {
                return std::nullopt;
            }
            pending_.append(buffer, static_cast<std::size_t>(got));
        }
    }

    // Sends the signal and returns the exit status (-1 when ended by a signal).
    int Stop(int signal) {
        ::kill(pid_, signal);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = 0;
    int out_ = -1;
    std::string pending_;
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
