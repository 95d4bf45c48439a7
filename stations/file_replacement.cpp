// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/file_replacement.h"

#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "stations/platform_file.h"
#include "stations/temporary_files.h"

namespace velmorant {

namespace fs = std::filesystem;
namespace platform = platform_file;

namespace {

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

}  // namespace

FileReplacement::FileReplacement(const fs::path& target, std::size_t bufferBytes)
    : bufferBytes_(bufferBytes) {
    std::error_code error;
    std::optional<int> descriptor;
    target_ = platform::FinalTarget(target, descriptor, error);
    if (error) {
        Fail(error);
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
    std::error_code error;
    AttachStream(platform::OpenInPlace(file, descriptor, error), error);
}

bool FileReplacement::AttachStream(std::FILE* stream, std::error_code error) {
    if (stream == nullptr) {
        Fail(error);
        return false;
    }
    stream_ = stream;
    buffer_ = std::make_unique_for_overwrite<char[]>(bufferBytes_);
    std::setvbuf(stream_, buffer_.get(), _IOFBF, bufferBytes_);
    return true;
}

void FileReplacement::OpenTemporary() {
    // A writer killed outright (kill -9, a power cut) could not remove its temporary file.
    RemoveStaleTemporaryFiles(target_);
    // An exclusive create: a name another writer holds is never shared, only tried again.
    std::FILE* stream = nullptr;
    std::error_code error;
    for (int attempt = 0; attempt < 100 && stream == nullptr; ++attempt) {
        const fs::path candidate =
            target_.parent_path() / TemporaryFileName(target_, RandomSuffix());
        error.clear();
        stream = platform::CreateNew(candidate, error);
        if (stream != nullptr) {
            temporary_ = candidate;
            registrySlot_ = RegisterTemporaryFile(temporary_);
        } else if (error != std::errc::file_exists) {
            break;
        }
    }
    if (!AttachStream(stream, error)) {
        Abandon();
    }
}

FileReplacement::~FileReplacement() {
    Abandon();
}

bool FileReplacement::InspectTarget() {
    const platform::NodeStatus status = platform::Inspect(target_);
    if (status.Error) {
        Fail(status.Error);
        return false;
    }
    switch (status.Kind) {
        case platform::NodeKind::Missing:
            targetExists_ = false;  // a new file: the default permissions of a new file
            return true;
        case platform::NodeKind::Folder:
            Fail(std::make_error_code(std::errc::is_a_directory));
            return false;
        case platform::NodeKind::Other:
            inPlace_ = true;  // a device, a FIFO, a socket: written as it is, never replaced
            return true;
        case platform::NodeKind::Regular:
            break;
    }
    if (status.ReadOnly) {
        failure_ = WriteResult{WriteResult::Kind::ReadOnly, kReadOnlyReason};
        return false;
    }
    targetExists_ = true;
    targetStatus_ = status;
    return true;
}

// The system's own words for the error, e.g. "No space left on device".
void FileReplacement::Fail(std::error_code error) {
    if (failure_.Written()) {
        if (!error) {
            error = std::make_error_code(std::errc::io_error);
        }
        failure_ = WriteResult{WriteResult::Kind::Failed, error.message()};
    }
}

void FileReplacement::WriteFailed() {
    Fail(std::error_code(errno, std::generic_category()));
}

WriteResult FileReplacement::Commit() {
    if (stream_ == nullptr) {
        Fail(
            std::make_error_code(std::errc::bad_file_descriptor));  // committed already; a failure
                                                                    // to begin keeps its own reason
        return failure_;
    }
    if (failure_.Written() && std::fflush(stream_) != 0) {
        WriteFailed();
    }
    if (inPlace_) {
        if (std::fclose(stream_) != 0) {
            WriteFailed();
        }
        stream_ = nullptr;
        return failure_;
    }
    // The target may have changed while a long report was written: its mode now is what counts.
    if (failure_.Written() && InspectTarget()) {
        if (inPlace_) {
            Fail(
                std::make_error_code(std::errc::file_exists));  // a device or FIFO took the name
                                                                // meanwhile: it is not renamed over
        } else if (targetExists_) {
            if (const std::error_code error = platform::CarryOver(stream_, targetStatus_)) {
                Fail(error);
            }
        }
    }
    if (failure_.Written()) {
        if (const std::error_code error = platform::SyncToDisk(stream_)) {
            Fail(error);
        }
    }
    if (std::fclose(stream_) != 0) {
        WriteFailed();
    }
    stream_ = nullptr;
    if (failure_.Written()) {
        if (const std::error_code error = platform::Replace(temporary_, target_, targetExists_)) {
            Fail(error);
        }
    }
    if (!failure_.Written()) {
        Abandon();
        return failure_;
    }
    temporary_.clear();
    ForgetTemporaryFile(registrySlot_);
    registrySlot_ = -1;
    platform::SyncFolder(target_.parent_path());
    return failure_;
}

void FileReplacement::Abandon() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!temporary_.empty()) {
        platform::RemoveFile(temporary_.c_str());
        temporary_.clear();
    }
    ForgetTemporaryFile(registrySlot_);
    registrySlot_ = -1;
}

}  // namespace velmorant
