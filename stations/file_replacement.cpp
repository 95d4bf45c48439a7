// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace velmorant {

namespace fs = std::filesystem;

namespace {

// The system's own words for an error number, e.g. "No space left on device". Unlike strerror
// this is safe from several threads.
std::string SystemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// The file a chain of symbolic links finally names; the file itself when it is no link. A link
// to a missing file names that file, which is then created. The hop limit is the one Linux uses.
fs::path FinalTarget(fs::path file, std::error_code& error) {
    for (int hop = 0; hop < 40; ++hop) {
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

// Six letters or digits, as mkstemp uses: 62^6 names, so that an exclusive create almost never
// has to try again even with many writers.
std::string RandomSuffix() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix) {
        c = kLetters[pick(engine)];
    }
    return suffix;
}

// Asks the disk to keep the rename: without it a power failure can bring back the old name.
// Not every file system can sync a folder; the rename has happened either way.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& target, std::size_t bufferBytes) {
    std::error_code error;
    target_ = FinalTarget(target, error);
    if (error) {
        Fail(error.value());
        return;
    }
    if (!InspectTarget()) {
        return;
    }
    // An exclusive create: a name another writer holds is never shared, only tried again.
    const std::string prefix = target_.filename().string() + ".";
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const fs::path candidate = target_.parent_path() / (prefix + RandomSuffix());
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temporary_ = candidate;
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        Fail(errno);
        return;
    }
    stream_ = ::fdopen(fd, "wb");
    if (stream_ == nullptr) {
        Fail(errno);
        ::close(fd);
        Abandon();
        return;
    }
    std::setvbuf(stream_, nullptr, _IOFBF, bufferBytes);
}

FileReplacement::~FileReplacement() {
    Abandon();
}

bool FileReplacement::InspectTarget() {
    struct stat status {};
    if (::stat(target_.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            targetExists_ = false;  // a new file: the default permissions of a new file
            return true;
        }
        Fail(errno);
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        Fail(EISDIR);
        return false;
    }
    // The mode alone decides, not access(): root may write anything, but a file its owner made
    // read-only is meant to stay as it is.
    if ((status.st_mode & S_IWUSR) == 0) {
        failure_ = WriteResult{WriteResult::Kind::ReadOnly, kReadOnlyReason};
        return false;
    }
    targetExists_ = true;
    targetMode_ = status.st_mode & 07777;
    targetOwner_ = status.st_uid;
    targetGroup_ = status.st_gid;
    return true;
}

void FileReplacement::Fail(int error) {
    if (failure_.Written()) {
        failure_ = WriteResult{WriteResult::Kind::Failed, SystemReason(error != 0 ? error : EIO)};
    }
}

void FileReplacement::WriteFailed() {
    Fail(errno);
}

WriteResult FileReplacement::Commit() {
    if (stream_ == nullptr) {
        Fail(EBADF);  // committed already; a failure to begin keeps its own reason
        return failure_;
    }
    if (failure_.Written() && std::fflush(stream_) != 0) {
        WriteFailed();
    }
    const int fd = ::fileno(stream_);
    // The target may have changed while a long report was written: its mode now is what counts.
    if (failure_.Written() && InspectTarget() && targetExists_) {
        // Root replacing an operator's file gives it back to the operator; others cannot change
        // the owner and keep their own.
        if (::fchown(fd, targetOwner_, targetGroup_) != 0) {
            errno = 0;
        }
        if (::fchmod(fd, targetMode_) != 0) {
            Fail(errno);
        }
    }
    if (failure_.Written() && ::fsync(fd) != 0) {
        Fail(errno);
    }
    if (std::fclose(stream_) != 0) {
        Fail(errno);
    }
    stream_ = nullptr;
    if (failure_.Written() && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(errno);
    }
    if (!failure_.Written()) {
        Abandon();
        return failure_;
    }
    temporary_.clear();
    SyncFolder(target_.parent_path());
    return failure_;
}

void FileReplacement::Abandon() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace velmorant
