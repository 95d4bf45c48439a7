// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

// The few calls on files and processes the careful writer, the lock beside a file and the
// registry of temporary files need from the system, one implementation for POSIX
// (platform_file_posix.cpp) and one for Windows (platform_file_windows.cpp). Errors come back as
// std::error_code: errno values in the generic category, Windows error codes in the system one.
// Paths are std::filesystem paths: UTF-8 text in the program, UTF-16 at the Windows calls.

namespace velmorant::platform_file {

namespace fs = std::filesystem;

// What exists under a name.
enum class NodeKind {
    Missing,  // nothing (or the folder is missing): a new file is made
    Regular,  // a file on a disk: replaced
    Folder,   // refused
    Other     // a device, a FIFO, a pipe, a socket: written as it is, never replaced
};

struct NodeStatus {
    NodeKind Kind = NodeKind::Missing;
    std::error_code Error;  // set when the name could not be looked at
    bool ReadOnly = false;  // a regular file its owner keeps from being written
    // What a replacement carries over from the file it replaces (POSIX: the permission bits,
    // owner and group; Windows: the attributes in Mode, the security by ReplaceFileW itself).
    unsigned Mode = 0;
    unsigned Owner = 0;
    unsigned Group = 0;
};

NodeStatus Inspect(const fs::path& file);

// The file a chain of symbolic links finally names; where a name leads to one of the
// descriptors of a running process (Linux's /proc), `descriptor` holds that descriptor's number
// when it is this process's own and -1 otherwise.
fs::path FinalTarget(fs::path file, std::optional<int>& descriptor, std::error_code& error);

// Opens an existing node (or this process's `descriptor` when it is not -1) for writing in
// place: never created or truncated; a regular file reached this way is appended to.
std::FILE* OpenInPlace(const fs::path& file, int descriptor, std::error_code& error);

// Creates `file`, which must not exist, for writing; on failure nothing is left and `error`
// says why (std::errc::file_exists when the name is taken).
std::FILE* CreateNew(const fs::path& file, std::error_code& error);

// Gives the new file what the old one had (see NodeStatus) before it takes the old one's place.
std::error_code CarryOver(std::FILE* stream, const NodeStatus& old);

// Has the system put the data of the stream (flushed already) on the disk.
std::error_code SyncToDisk(std::FILE* stream);

// Puts `replacement` in the place of `target` in one step (`targetExists` tells whether
// there is an old file to replace). On Windows a reader that holds the old file open is waited
// for a moment.
std::error_code Replace(const fs::path& replacement, const fs::path& target, bool targetExists);

// Asks the disk to keep a rename in `folder`; nothing where the system cannot or need not.
void SyncFolder(const fs::path& folder);

// Removes a file; failures are ignored. Safe inside a signal handler.
void RemoveFile(const fs::path::value_type* file);

// The lock file beside a file that is read and written back. A held lock belongs to one open of
// the lock file and ends when it is closed or the process ends in any way.
using LockHandle = std::intptr_t;
inline constexpr LockHandle kNoLock = -1;

enum class LockAttempt { Taken, Busy, Failed };

// Opens the lock file, creating it when it is missing; kNoLock when it can be neither.
LockHandle OpenLockFile(const fs::path& lockFile);
// Takes the exclusive lock without waiting.
LockAttempt TryLock(LockHandle handle);
// Closes the lock file, which releases the lock.
void CloseLockFile(LockHandle handle);

// This process's id, and whether the process with that id has ended (false when it runs or
// cannot be asked about).
long long ProcessId();
bool ProcessHasEnded(long long processId);

// From now on an interruption from outside (POSIX: SIGINT, SIGTERM, SIGHUP not ignored at the
// start; Windows: Ctrl+C, the console closed, log-off, shut-down) calls `cleanUp` and then ends
// the program as it would have. `cleanUp` may only call async-signal-safe routines.
void OnInterruption(void (*cleanUp)());

}  // namespace velmorant::platform_file
