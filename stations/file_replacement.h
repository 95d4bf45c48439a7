// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "stations/platform_file.h"
#include "stations/write_result.h"

namespace velmorant {

// A file written anew under a unique temporary name beside the file it replaces, and renamed over
// it only once every byte is on the disk. Readers of the file (another copy of the program, a
// rotator controller reading QVAZEL.DAT) see the old contents or the new ones, never a part; two
// writers at once never share a temporary file, and the later rename wins.
//
// The file replaced is the one a symbolic link finally names (the link stays a link); it keeps
// its permission bits (and, where the system allows, its owner and group). A file without the
// owner's write bit is refused before anything is written, by the mode alone, so that it is
// refused for root as well.
//
// Only a regular file (or a missing one) is replaced. Anything else that exists under the name
// (a device, a FIFO, a socket) and a name for an open descriptor (/dev/stdout, /dev/fd/N,
// /proc/self/fd/N) is written in place as a stream: never created, truncated or renamed over;
// this process's own descriptor is written through a duplicate, so that a log opened for
// appending keeps what it holds. Every write, the flush and the close are checked.
//
// The temporary file is named "<name>.<pid>.<six random letters or digits>" and noted in the
// registry of temporary_files.h, so that a signal removes it; beginning a replacement removes
// the temporary files of the same target whose writer no longer runs. On Windows the new file
// takes the old one's place by ReplaceFileW, which keeps its attributes and security, and the
// read-only attribute refuses a file.
class FileReplacement {
  public:
    // Creates the temporary file; `bufferBytes` is the size of the write buffer (a planning
    // report runs to tens of megabytes and wants large blocks). When the file cannot be begun
    // (read-only target, unwritable or missing folder) IsOpen() is false and Commit() says why.
    explicit FileReplacement(const std::filesystem::path& target,
                             std::size_t bufferBytes = std::size_t{1} << 16);
    // Abandons the replacement unless it was committed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool IsOpen() const { return stream_ != nullptr; }
    // Whether the target is written in place as a stream rather than replaced.
    bool WritesInPlace() const { return inPlace_; }

    // Appends bytes. After the first failure (a full disk) the rest is skipped: Commit reports it.
    void Write(std::string_view bytes) {
        if (stream_ != nullptr && failure_.Written() &&
            std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
            WriteFailed();
        }
    }

    // In place: flushes and closes, and says whether every byte was taken. Otherwise flushes,
    // syncs the data to the disk, gives the new file the old one's permissions and
    // renames it over the target, then syncs the folder. On any failure the temporary file is
    // removed and the target is left exactly as it was. Once only.
    WriteResult Commit();
    // Removes the temporary file; the target stays as it was.
    void Abandon();

    // The file that is replaced: the target itself, or the file its symbolic links lead to.
    const std::filesystem::path& Target() const { return target_; }
    // The temporary file beside it (empty when none was created).
    const std::filesystem::path& TemporaryFile() const { return temporary_; }

  private:
    void WriteFailed();
    // Reads the target's mode and owner; a reason when it must not (or cannot) be replaced.
    // A target that exists but is no regular file sets inPlace_ instead.
    bool InspectTarget();
    // Opens `file` (the name as given) or duplicates `descriptor` (when not -1) for writing in
    // place.
    void OpenInPlace(const std::filesystem::path& file, int descriptor);
    // Creates the temporary file beside target_.
    void OpenTemporary();
    // Writes through `stream` (buffered as asked), or fails with `error` when it is null.
    bool AttachStream(std::FILE* stream, std::error_code error);
    void Fail(std::error_code error);
    std::size_t bufferBytes_;
    // The stream's buffer: glibc takes the size asked for only with a buffer handed to it.
    std::unique_ptr<char[]> buffer_;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* stream_ = nullptr;
    WriteResult failure_;
    int registrySlot_ = -1;
    bool inPlace_ = false;
    bool targetExists_ = false;
    platform_file::NodeStatus targetStatus_;
};

}  // namespace velmorant
