// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/temporary_files.h"

#include <atomic>
#include <cstring>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/common/decimal.h"
#include "stations/platform_file.h"

namespace velmorant {

namespace fs = std::filesystem;

namespace {

// A slot is free, being filled or emptied (the handler skips it), or names a live file.
enum SlotState : int { kFree = 0, kBusy = 1, kLive = 2 };

// A handful of files are open at once (the report, QVAZEL.DAT, a settings file); a full
// registry only loses the removal on a signal, not the file.
constexpr int kSlotCount = 32;
constexpr std::size_t kPathUnits = 4096;  // PATH_MAX on Linux, with its final NUL

struct Slot {
    std::atomic<int> State{kFree};
    fs::path::value_type Path[kPathUnits] = {};  // the system's own text: UTF-16 on Windows
};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");

Slot slots[kSlotCount];

// Called on an interruption: only async-signal-safe calls.
void RemoveLiveTemporaryFiles() {
    for (Slot& slot : slots) {
        if (slot.State.load(std::memory_order_acquire) == kLive) {
            platform_file::RemoveFile(slot.Path);
        }
    }
}

bool IsLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The writer's process id in "<pid>.<six letters or digits>"; nothing for any other shape.
std::optional<long long> WriterOf(std::string_view rest) {
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
            return std::nullopt;  // no sign: POSIX's kill() takes 0 and negative ids as groups
        }
    }
    const auto pid = WholeTextInteger(digits);
    if (!pid || *pid <= 0) {
        return std::nullopt;
    }
    return *pid;
}

}  // namespace

int RegisterTemporaryFile(const fs::path& file) {
    const fs::path::string_type& text = file.native();
    if (text.size() >= kPathUnits) {
        return -1;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        int expected = kFree;
        if (slots[i].State.compare_exchange_strong(expected, kBusy, std::memory_order_acquire)) {
            std::memcpy(slots[i].Path, text.c_str(),
                        (text.size() + 1) * sizeof(fs::path::value_type));
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
    platform_file::OnInterruption(RemoveLiveTemporaryFiles);
}

std::string TemporaryFileName(const fs::path& target, const std::string& random) {
    return target.filename().string() + "." + std::to_string(platform_file::ProcessId()) + "." +
           random;
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
        if (!writer || !platform_file::ProcessHasEnded(*writer)) {
            continue;
        }
        std::error_code kindError;
        if (entry->symlink_status(kindError).type() == fs::file_type::regular) {
            platform_file::RemoveFile(entry->path().c_str());
        }
    }
}

}  // namespace velmorant
