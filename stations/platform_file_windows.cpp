// SPDX-License-Identifier: GPL-3.0-or-later
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <fcntl.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <thread>

#include <io.h>
#include <windows.h>

#include "stations/platform_file.h"

// std::filesystem::path holds UTF-16 on Windows (its native form), so a path is handed to the
// wide ("W") calls as it is.

namespace velmorant::platform_file {

namespace {

// A Windows error code; the common ones as the errno values of the same meaning, so that a
// message box says "No such file or directory" or "No space left on device" in the same words
// as on Linux.
std::error_code ErrorFor(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::make_error_code(std::errc::no_space_on_device);
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return std::make_error_code(std::errc::file_exists);
        case ERROR_WRITE_PROTECT:
            return std::make_error_code(std::errc::read_only_file_system);
        default:
            return std::error_code(static_cast<int>(code), std::system_category());
    }
}

std::error_code LastError() {
    return ErrorFor(::GetLastError());
}

// Wraps a handle opened for writing in a C stream, or closes it and says why.
std::FILE* StreamFor(HANDLE handle, std::error_code& error) {
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastError();
        return nullptr;
    }
    const int fd =
        ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        error = std::error_code(errno, std::generic_category());
        ::CloseHandle(handle);
        return nullptr;
    }
    std::FILE* stream = ::_fdopen(fd, "wb");
    if (stream == nullptr) {
        error = std::error_code(errno, std::generic_category());
        ::_close(fd);  // closes the handle too
    }
    return stream;
}

// How long a replacement waits for a reader that holds the old file open without letting it be
// deleted (a rotator controller polling QVAZEL.DAT): long enough for such a read to end, short
// enough for the operator not to wonder.
constexpr std::chrono::milliseconds kBusyWait{2000};

bool IsBusy(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
           code == ERROR_ACCESS_DENIED || code == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Puts `replacement` in the place of `target` once: the Windows error code, 0 when it is done.
DWORD ReplaceOnce(const fs::path& replacement, const fs::path& target, bool targetExists) {
    if (targetExists) {
        if (::ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                           REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
            return 0;
        }
        const DWORD code = ::GetLastError();
        // The old file went away meanwhile (or was moved aside and the new one not put in its
        // place): the new one is simply moved to the name. Otherwise the old file is as it was.
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            return code;
        }
    }
    if (!::MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ::GetLastError();
    }
    return 0;
}

// Waits (at most until `deadline`) until nothing holds `target` open in a way that keeps it
// from being replaced. Asking first spares the replacement failed attempts, which some
// implementations of ReplaceFileW do not undo completely.
void WaitUntilReplaceable(const fs::path& target, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const HANDLE handle = ::CreateFileW(
            target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle);
            return;
        }
        if (!IsBusy(::GetLastError()) || std::chrono::steady_clock::now() >= deadline) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

HANDLE HandleOf(std::FILE* stream) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
}

void (*interruptionCleanUp)() = nullptr;

// Runs on a thread of its own; returning FALSE lets the default handling end the program.
BOOL WINAPI CleanUpAndEnd(DWORD) {
    interruptionCleanUp();
    return FALSE;
}

}  // namespace

NodeStatus Inspect(const fs::path& file) {
    NodeStatus status;
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            status.Error = ErrorFor(error);
        }
        return status;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        status.Kind = NodeKind::Folder;
        return status;
    }
    // Opened without access to ask what it is: a file on a disk, or a device (NUL, CON, a serial
    // port) that is written as it is.
    const HANDLE handle =
        ::CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        status.Error = LastError();
        return status;
    }
    const DWORD type = ::GetFileType(handle);
    ::CloseHandle(handle);
    if (type != FILE_TYPE_DISK) {
        status.Kind = NodeKind::Other;
        return status;
    }
    status.Kind = NodeKind::Regular;
    status.ReadOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    status.Mode = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    return status;
}

// Links are rare on Windows and ReplaceFileW works on the name given; no descriptor names.
fs::path FinalTarget(fs::path file, std::optional<int>& descriptor, std::error_code& error) {
    descriptor.reset();
    error.clear();
    return file;
}

std::FILE* OpenInPlace(const fs::path& file, int, std::error_code& error) {
    // OPEN_EXISTING: the device is written, never made.
    return StreamFor(::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                     error);
}

std::FILE* CreateNew(const fs::path& file, std::error_code& error) {
    const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastError();  // std::errc::file_exists when the name is taken
        return nullptr;
    }
    std::FILE* stream = StreamFor(handle, error);
    if (stream == nullptr) {
        ::DeleteFileW(file.c_str());
    }
    return stream;
}

// ReplaceFileW carries the security over; the attributes (hidden, archive, ...) are given to the
// new file here as well, as not every implementation of ReplaceFileW merges them.
std::error_code CarryOver(std::FILE* stream, const NodeStatus& old) {
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = old.Mode | FILE_ATTRIBUTE_ARCHIVE;  // new contents: to be backed up
    if (!::SetFileInformationByHandle(HandleOf(stream), FileBasicInfo, &basic, sizeof basic)) {
        return LastError();
    }
    return {};
}

std::error_code SyncToDisk(std::FILE* stream) {
    if (!::FlushFileBuffers(HandleOf(stream))) {
        return LastError();
    }
    return {};
}

std::error_code Replace(const fs::path& replacement, const fs::path& target, bool targetExists) {
    const auto deadline = std::chrono::steady_clock::now() + kBusyWait;
    if (targetExists) {
        WaitUntilReplaceable(target, deadline);
    }
    DWORD code = ReplaceOnce(replacement, target, targetExists);
    while (IsBusy(code) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        code = ReplaceOnce(replacement, target, targetExists);
    }
    return code == 0 ? std::error_code() : ErrorFor(code);
}

// MOVEFILE_WRITE_THROUGH and the file system's journal keep the rename; a folder cannot be
// flushed on its own.
void SyncFolder(const fs::path&) {}

void RemoveFile(const fs::path::value_type* file) {
    ::DeleteFileW(file);
}

// A lock file that is there but may not be written still carries a lock when opened for reading.
LockHandle OpenLockFile(const fs::path& lockFile) {
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE handle = ::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED) {
        handle = ::CreateFileW(lockFile.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return handle == INVALID_HANDLE_VALUE ? kNoLock : reinterpret_cast<LockHandle>(handle);
}

// The first byte of the (empty) lock file, locked through this one handle: a second handle,
// in this process or another, is refused until it is unlocked or closed.
LockAttempt TryLock(LockHandle handle) {
    OVERLAPPED where{};
    if (::LockFileEx(reinterpret_cast<HANDLE>(handle),
                     LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
        return LockAttempt::Taken;
    }
    const DWORD code = ::GetLastError();
    return code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING ? LockAttempt::Busy
                                                                    : LockAttempt::Failed;
}

void CloseLockFile(LockHandle handle) {
    ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

long long ProcessId() {
    return ::GetCurrentProcessId();
}

bool ProcessHasEnded(long long processId) {
    if (processId <= 0 || processId > 0xFFFFFFFFLL) {
        return false;
    }
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                                         static_cast<DWORD>(processId));
    if (process == nullptr) {
        // No such process; access denied is a live process of another user.
        return ::GetLastError() == ERROR_INVALID_PARAMETER;
    }
    const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

void OnInterruption(void (*cleanUp)()) {
    interruptionCleanUp = cleanUp;
    ::SetConsoleCtrlHandler(CleanUpAndEnd, TRUE);
}

}  // namespace velmorant::platform_file
