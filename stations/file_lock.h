// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

#include "stations/platform_file.h"

namespace velmorant {

// An exclusive lock on a file that is read, changed and written back (CALL3.TXT), so that two
// copies of the program never both rewrite it from the same old text and lose one change. It is
// held on a lock file beside it, `<file>.lock`, with the system's own lock (flock on POSIX,
// LockFileEx on Windows): the system releases it when the holder ends, even by a crash, so no
// stale lock is ever left. The lock belongs to one open of the lock file, so two holders in one
// process exclude each other too. The empty lock file stays in the folder: removing it would let
// a third holder lock a new file while the second still holds the old one.
class FileLock {
  public:
    // The default wait: long enough for another copy to finish writing a station list, short
    // enough for the operator not to wonder.
    static constexpr std::chrono::milliseconds kDefaultWait{2000};

    // Takes the lock for `file`, trying again every few milliseconds until `wait` has passed.
    // Nothing when another holder keeps it that long, or when the lock file can neither be
    // created nor opened.
    static std::optional<FileLock> Acquire(const std::filesystem::path& file,
                                           std::chrono::milliseconds wait = kDefaultWait);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // Releases the lock.
    ~FileLock();

    // `<file>.lock`.
    const std::filesystem::path& LockFile() const { return lockFile_; }

  private:
    FileLock(std::filesystem::path lockFile, platform_file::LockHandle handle)
        : lockFile_(std::move(lockFile)), handle_(handle) {}
    void Release();

    std::filesystem::path lockFile_;
    platform_file::LockHandle handle_ = platform_file::kNoLock;
};

// The lock file that guards `file`: the same name with ".lock" added.
std::filesystem::path LockFileFor(const std::filesystem::path& file);

}  // namespace velmorant
