// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/temporary_files.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/common/decimal.h"

namespace velmorant {

namespace fs = std::filesystem;

namespace {

// A slot is free, being filled or emptied (the handler skips it), or names a live file.
enum SlotState : int { kFree = 0, kBusy = 1, kLive = 2 };

// A handful of files are open at once (the report, QVAZEL.DAT, a settings file); a full
// registry only loses the removal on a signal, not the file.
constexpr int kSlotCount = 32;
constexpr std::size_t kPathBytes = 4096;  // PATH_MAX on Linux, with its final NUL

struct Slot {
    std::atomic<int> State{kFree};
    char Path[kPathBytes] = {};
};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");

Slot slots[kSlotCount];

constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Only async-signal-safe calls: unlink, sigaction, raise.
extern "C" void RemoveTemporaryFilesAndEnd(int signalNumber) {
    const int savedErrno = errno;
    for (Slot& slot : slots) {
        if (slot.State.load(std::memory_order_acquire) == kLive) {
            ::unlink(slot.Path);
        }
    }
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signalNumber, &fallback, nullptr);
    errno = savedErrno;
    // Blocked until the handler returns, then it ends the program as it would have.
    ::raise(signalNumber);
}

bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The writer's process id in "<pid>.<six letters or digits>"; nothing for any other shape.
std::optional<pid_t> WriterOf(std::string_view rest) {
    const auto dot = rest.find('.');
    if (dot == std::string_view::npos || dot == 0 || rest.size() - dot - 1 != 6) {
        return std::nullopt;
    }
    for (const char c : rest.substr(dot + 1)) {
        if (!IsLetterOrDigit(c)) {
            return std::nullopt;
        }
    }
    const std::string_view digits = rest.substr(0, dot);
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;  // no sign: kill() takes 0 and negative ids as groups
        }
    }
    const auto pid = WholeTextInteger(digits);
    if (!pid || *pid <= 0) {
        return std::nullopt;
    }
    return static_cast<pid_t>(*pid);
}

}  // namespace

int RegisterTemporaryFile(const fs::path& file) {
    const std::string& text = file.native();
    if (text.size() >= kPathBytes) {
        return -1;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        int expected = kFree;
        if (slots[i].State.compare_exchange_strong(expected, kBusy, std::memory_order_acquire)) {
            std::memcpy(slots[i].Path, text.c_str(), text.size() + 1);
            slots[i].State.store(kLive, std::memory_order_release);
            return i;
        }
    }
    return -1;
}

void ForgetTemporaryFile(int slot) {
    if (slot >= 0 && slot < kSlotCount) {
        slots[slot].State.store(kFree, std::memory_order_release);
    }
}

void RemoveTemporaryFilesOnSignals() {
    static std::atomic<bool> installed{false};
    if (installed.exchange(true)) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryFilesAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : kCleanedSignals) {
        sigaddset(&action.sa_mask, signalNumber);  // one handler at a time
    }
    for (const int signalNumber : kCleanedSignals) {
        struct sigaction old {};
        if (::sigaction(signalNumber, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) {
            ::sigaction(signalNumber, &action, nullptr);
        }
    }
}

std::string TemporaryFileName(const fs::path& target, const std::string& random) {
    return target.filename().string() + "." + std::to_string(::getpid()) + "." + random;
}

void RemoveStaleTemporaryFiles(const fs::path& target) {
    const std::string prefix = target.filename().string() + ".";
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix)) {
            continue;
        }
        const auto writer = WriterOf(std::string_view(name).substr(prefix.size()));
        // ESRCH alone says the writer is gone; EPERM is a live process of another user.
        if (!writer || ::kill(*writer, 0) == 0 || errno != ESRCH) {
            continue;
        }
        std::error_code kindError;
        if (entry->symlink_status(kindError).type() == fs::file_type::regular) {
            ::unlink(entry->path().c_str());
        }
    }
}

}  // namespace velmorant
