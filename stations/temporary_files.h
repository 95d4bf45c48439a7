// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// The temporary files the careful writer has open, kept where a signal handler can reach them,
// so that an interrupted program leaves none behind; and the removal of those a killed writer
// (kill -9, a power cut) left.

namespace velmorant {

// Notes a live temporary file; its slot, or -1 when the registry is full (the file is then only
// removed by the stale sweep of a later writer). Async-signal-safe to read, thread-safe to change.
int RegisterTemporaryFile(const std::filesystem::path& file);
// Forgets the slot RegisterTemporaryFile gave (nothing for -1).
void ForgetTemporaryFile(int slot);

// From now on SIGINT, SIGTERM and SIGHUP (on Windows: Ctrl+C, closing the console, log-off and
// shut-down) remove every live temporary file and then end the program as the signal would have
// (same exit status). A signal the program was started with ignored (nohup) stays ignored. Call
// once from main(); later calls do nothing.
void RemoveTemporaryFilesOnSignals();

// The name of a temporary file beside `target` for this process: "<name>.<pid>.<random>", the
// random part six letters or digits.
std::string TemporaryFileName(const std::filesystem::path& target, const std::string& random);

// Removes the temporary files beside `target` ("<name>.<pid>.<six letters or digits>", regular
// files only) whose writing process no longer exists. A live writer's file, a name of any other
// shape and a process id that cannot be asked about are left alone.
void RemoveStaleTemporaryFiles(const std::filesystem::path& target);

}  // namespace velmorant
