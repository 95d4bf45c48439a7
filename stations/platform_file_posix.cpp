// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "core/common/decimal.h"
#include "stations/platform_file.h"

namespace velmorant::platform_file {

namespace {

std::error_code LastError() {
    return std::error_code(errno, std::generic_category());
}

// Whether a name lies in /proc, where links name open descriptors (/dev/stdout leads to
// /proc/self/fd/1): nothing outside /proc; the descriptor's number for one of this process's own,
// -1 for any other name there. Such a name must never be renamed over: the rename would replace
// the file the descriptor has open (a log opened for appending) or fail.
std::optional<int> DescriptorLink(const fs::path& file) {
    std::error_code error;
    const fs::path folder =
        fs::canonical(file.parent_path().empty() ? fs::path(".") : file.parent_path(), error);
    const std::string text = folder.string();
    if (error || (text != "/proc" && !text.starts_with("/proc/"))) {
        return std::nullopt;
    }
    const std::string name = file.filename().string();
    const auto number = WholeTextInteger(name);
    if (folder == fs::path("/proc") / std::to_string(::getpid()) / "fd" && number && *number >= 0 &&
        name.find_first_not_of("0123456789") == std::string::npos) {
        return *number;
    }
    return -1;
}

// Wraps `fd` in a stream, or closes it and says why.
std::FILE* StreamFor(int fd, std::error_code& error) {
    if (fd < 0) {
        error = LastError();
        return nullptr;
    }
    std::FILE* stream = ::fdopen(fd, "wb");
    if (stream == nullptr) {
        error = LastError();
        ::close(fd);
    }
    return stream;
}

void (*interruptionCleanUp)() = nullptr;

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

// Only async-signal-safe calls: the clean-up, sigaction, raise.
extern "C" void CleanUpAndEnd(int signalNumber) {
    const int savedErrno = errno;
    interruptionCleanUp();
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signalNumber, &fallback, nullptr);
    errno = savedErrno;
    // Blocked until the handler returns, then it ends the program as it would have.
    ::raise(signalNumber);
}

}  // namespace

NodeStatus Inspect(const fs::path& file) {
    NodeStatus status;
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            status.Error = LastError();
        }
        return status;
    }
    if (S_ISDIR(info.st_mode)) {
        status.Kind = NodeKind::Folder;
    } else if (!S_ISREG(info.st_mode)) {
        status.Kind = NodeKind::Other;
    } else {
        status.Kind = NodeKind::Regular;
        // The mode alone decides, not access(): root may write anything, but a file its owner
        // made read-only is meant to stay as it is.
        status.ReadOnly = (info.st_mode & S_IWUSR) == 0;
        status.Mode = info.st_mode & 07777;
        status.Owner = info.st_uid;
        status.Group = info.st_gid;
    }
    return status;
}

// A link to a missing file names that file, which is then created. The hop limit is the one
// Linux uses. A hop into /proc ends the chain there.
fs::path FinalTarget(fs::path file, std::optional<int>& descriptor, std::error_code& error) {
    for (int hop = 0; hop < 40; ++hop) {
        descriptor = DescriptorLink(file);
        if (descriptor) {
            return file;
        }
        if (!fs::is_symlink(file, error)) {
            error.clear();  // a missing file is no link either
            return file;
        }
        const fs::path link = fs::read_symlink(file, error);
        if (error) {
            return file;
        }
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return file;
}

std::FILE* OpenInPlace(const fs::path& file, int descriptor, std::error_code& error) {
    int fd = -1;
    if (descriptor >= 0) {
        // Our own descriptor: its offset and its append flag are the caller's to keep.
        fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    } else {
        // No O_CREAT, no O_TRUNC: the node is written, never made or cut. A FIFO without a reader
        // fails (ENXIO) rather than waits; a regular file reached through /proc is appended to.
        struct stat status {};
        const bool regular = ::stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode);
        fd = ::open(file.c_str(),
                    O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | (regular ? O_APPEND : 0));
        if (fd >= 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
            error = LastError();
            ::close(fd);
            return nullptr;
        }
    }
    return StreamFor(fd, error);
}

std::FILE* CreateNew(const fs::path& file, std::error_code& error) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    std::FILE* stream = StreamFor(fd, error);
    if (stream == nullptr && fd >= 0) {
        ::unlink(file.c_str());
    }
    return stream;
}

std::error_code CarryOver(std::FILE* stream, const NodeStatus& old) {
    const int fd = ::fileno(stream);
    // Root replacing an operator's file gives it back to the operator; others cannot change the
    // owner and keep their own.
    if (::fchown(fd, old.Owner, old.Group) != 0) {
        errno = 0;
    }
    if (::fchmod(fd, old.Mode) != 0) {
        return LastError();
    }
    return {};
}

std::error_code SyncToDisk(std::FILE* stream) {
    if (::fsync(::fileno(stream)) != 0) {
        return LastError();
    }
    return {};
}

std::error_code Replace(const fs::path& replacement, const fs::path& target, bool) {
    if (::rename(replacement.c_str(), target.c_str()) != 0) {
        return LastError();
    }
    return {};
}

// Without it a power failure can bring back the old name. Not every file system can sync a
// folder; the rename has happened either way.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void RemoveFile(const fs::path::value_type* file) {
    ::unlink(file);
}

// A lock file that is there but may not be written (the folder belongs to someone else) still
// carries a lock when opened for reading.
LockHandle OpenLockFile(const fs::path& lockFile) {
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    }
    return fd < 0 ? kNoLock : fd;
}

// The system's advisory lock (flock), which belongs to one open of the file.
LockAttempt TryLock(LockHandle handle) {
    if (::flock(static_cast<int>(handle), LOCK_EX | LOCK_NB) == 0) {
        return LockAttempt::Taken;
    }
    return errno == EWOULDBLOCK || errno == EINTR ? LockAttempt::Busy : LockAttempt::Failed;
}

void CloseLockFile(LockHandle handle) {
    // Closing the only descriptor of this open releases the lock.
    ::close(static_cast<int>(handle));
}

long long ProcessId() {
    return ::getpid();
}

// ESRCH alone says the process is gone; EPERM is a live process of another user.
bool ProcessHasEnded(long long processId) {
    return ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

void OnInterruption(void (*cleanUp)()) {
    interruptionCleanUp = cleanUp;
    struct sigaction action {};
    action.sa_handler = CleanUpAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : kInterruptions) {
        sigaddset(&action.sa_mask, signalNumber);  // one handler at a time
    }
    for (const int signalNumber : kInterruptions) {
        struct sigaction old {};
        // A signal the program was started with ignored (nohup) stays ignored.
        if (::sigaction(signalNumber, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) {
            ::sigaction(signalNumber, &action, nullptr);
        }
    }
}

}  // namespace velmorant::platform_file
