// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/file_lock.h"

#include <thread>
#include <utility>

#include "stations/platform_file.h"

namespace velmorant {

namespace platform = platform_file;

std::filesystem::path LockFileFor(const std::filesystem::path& file) {
    std::filesystem::path lockFile = file;
    lockFile += ".lock";
    return lockFile;
}

std::optional<FileLock> FileLock::Acquire(const std::filesystem::path& file,
                                          std::chrono::milliseconds wait) {
    const std::filesystem::path lockFile = LockFileFor(file);
    const platform::LockHandle handle = platform::OpenLockFile(lockFile);
    if (handle == platform::kNoLock) {
        return std::nullopt;
    }
    // Polling rather than a blocking lock: a blocking call cannot be given a time limit without
    // a signal, and a few milliseconds of latency do not matter to an operator.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const platform::LockAttempt attempt = platform::TryLock(handle);
        if (attempt == platform::LockAttempt::Taken) {
            return FileLock(lockFile, handle);
        }
        if (attempt == platform::LockAttempt::Failed ||
            std::chrono::steady_clock::now() >= deadline) {
            platform::CloseLockFile(handle);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FileLock::FileLock(FileLock&& other) noexcept
    : lockFile_(std::move(other.lockFile_)),
      handle_(std::exchange(other.handle_, platform::kNoLock)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        lockFile_ = std::move(other.lockFile_);
        handle_ = std::exchange(other.handle_, platform::kNoLock);
    }
    return *this;
}

FileLock::~FileLock() {
    Release();
}

void FileLock::Release() {
    if (handle_ != platform::kNoLock) {
        platform::CloseLockFile(handle_);
        handle_ = platform::kNoLock;
    }
}

}  // namespace velmorant
