// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "core/common/decimal.h"
#include "stations/temporary_files.h"

namespace velmorant {

namespace fs = std::filesystem;

namespace {

// The system's own words for an error number, e.g. "No space left on device". Unlike strerror
// this is safe from several threads.
std::string SystemReason(int error) {
    return std::error_code(error, std::generic_category()).message();
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

// The file a chain of symbolic links finally names; the file itself when it is no link. A link
// to a missing file names that file, which is then created. The hop limit is the one Linux uses.
// A hop into /proc ends the chain there, its DescriptorLink in `descriptor`.
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

FileReplacement::FileReplacement(const fs::path& target, std::size_t bufferBytes)
    : bufferBytes_(bufferBytes) {
    std::error_code error;
    std::optional<int> descriptor;
    target_ = FinalTarget(target, descriptor, error);
    if (error) {
        Fail(error.value());
        return;
    }
    if (descriptor) {
        OpenInPlace(target, *descriptor);
        return;
    }
    if (!InspectTarget()) {
        return;
    }
    if (inPlace_) {
        OpenInPlace(target_, -1);
        return;
    }
    OpenTemporary();
}

void FileReplacement::OpenInPlace(const fs::path& file, int descriptor) {
    inPlace_ = true;
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
            Fail(errno);
            ::close(fd);
            return;
        }
    }
    AttachStream(fd);
}

bool FileReplacement::AttachStream(int fd) {
    if (fd < 0) {
        Fail(errno);
        return false;
    }
    stream_ = ::fdopen(fd, "wb");
    if (stream_ == nullptr) {
        Fail(errno);
        ::close(fd);
        return false;
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(bufferBytes_);
    std::setvbuf(stream_, buffer_.get(), _IOFBF, bufferBytes_);
    return true;
}

void FileReplacement::OpenTemporary() {
    // A writer killed outright (kill -9, a power cut) could not remove its temporary file.
    RemoveStaleTemporaryFiles(target_);
    // An exclusive create: a name another writer holds is never shared, only tried again.
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const fs::path candidate =
            target_.parent_path() / TemporaryFileName(target_, RandomSuffix());
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temporary_ = candidate;
            registrySlot_ = RegisterTemporaryFile(temporary_);
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (!AttachStream(fd)) {
        Abandon();
    }
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
    if (!S_ISREG(status.st_mode)) {
        inPlace_ = true;  // a device, a FIFO, a socket: written as it is, never replaced
        return true;
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
    if (inPlace_) {
        if (std::fclose(stream_) != 0) {
            Fail(errno);
        }
        stream_ = nullptr;
        return failure_;
    }
    const int fd = ::fileno(stream_);
    // The target may have changed while a long report was written: its mode now is what counts.
    if (failure_.Written() && InspectTarget()) {
        if (inPlace_) {
            Fail(EEXIST);  // a device or FIFO took the name meanwhile: it is not renamed over
        } else if (targetExists_) {
            // Root replacing an operator's file gives it back to the operator; others cannot
            // change the owner and keep their own.
            if (::fchown(fd, targetOwner_, targetGroup_) != 0) {
                errno = 0;
            }
            if (::fchmod(fd, targetMode_) != 0) {
                Fail(errno);
            }
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
    ForgetTemporaryFile(registrySlot_);
    registrySlot_ = -1;
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
    ForgetTemporaryFile(registrySlot_);
    registrySlot_ = -1;
}

}  // namespace velmorant
