#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and atomic replacement of the program's small text files. Bytes are passed
// through untouched: no line-end translation, no encoding.

namespace velmorant {

// The file's bytes, or nothing when it is missing, is not a regular file or cannot be read.
std::optional<std::string> ReadTextFile(const std::filesystem::path& file);

// Replaces the file's contents with `text`, so that a failure at any point never leaves it half
// written: the text goes to `<file>.tmp` beside it, which is flushed and closed and then renamed
// over the file. True when done. False when anything fails; the file is then left exactly as it
// was and the temporary file is removed (a directory or an unwritable file that already stands
// under the temporary name is not ours and is left alone; the write then fails). A temporary
// file left by an earlier interrupted write is overwritten. The new file gets the default
// permissions of a new file, not those of the old one.
bool ReplaceTextFile(const std::filesystem::path& file, std::string_view text);

}  // namespace velmorant
