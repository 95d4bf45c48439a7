// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "stations/write_result.h"

// Whole-file reading and atomic replacement of the program's small text files. Bytes are passed
// through untouched: no line-end translation, no encoding.

namespace velmorant {

// The file's bytes, or nothing when it is missing, is not a regular file or cannot be read.
std::optional<std::string> ReadTextFile(const std::filesystem::path& file);

// Replaces the file's contents with `text` through a FileReplacement: a unique temporary file
// beside it, synced to the disk and renamed over it, so that a reader sees the old text or the
// new one and a failure at any point leaves the file exactly as it was, with no temporary file
// behind. A symbolic link is written through (it stays a link), the permission bits are kept and
// a file without the owner's write bit is refused. The result says why it failed.
WriteResult WriteTextFile(const std::filesystem::path& file, std::string_view text);

// WriteTextFile for callers that only need to know whether it worked.
bool ReplaceTextFile(const std::filesystem::path& file, std::string_view text);

}  // namespace velmorant
