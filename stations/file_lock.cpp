// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace velmorant {

namespace {

// Opens the lock file, creating it when it is missing. A lock file that is there but may not be
// written (the folder belongs to someone else) still carries a lock when opened for reading.
int OpenLockFile(const std::filesystem::path& lockFile) {
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    }
    return fd;
}

}  // namespace

std::filesystem::path LockFileFor(const std::filesystem::path& file) {
    std::filesystem::path lockFile = file;
    lockFile += ".lock";
    return lockFile;
}

std::optional<FileLock> FileLock::Acquire(const std::filesystem::path& file,
                                          std::chrono::milliseconds wait) {
    const std::filesystem::path lockFile = LockFileFor(file);
    const int fd = OpenLockFile(lockFile);
    if (fd < 0) {
        return std::nullopt;
    }
    // Polling rather than a blocking flock: a blocking call cannot be given a time limit without
    // a signal, and a few milliseconds of latency do not matter to an operator.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return FileLock(lockFile, fd);
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

FileLock::FileLock(FileLock&& other) noexcept
    : lockFile_(std::move(other.lockFile_)), fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        lockFile_ = std::move(other.lockFile_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    Release();
}

void FileLock::Release() {
    if (fd_ >= 0) {
        // Closing the only descriptor of this open releases the lock.
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace velmorant
