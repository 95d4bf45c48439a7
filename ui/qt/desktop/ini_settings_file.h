// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

// A settings file of the program in INI form, beside VELMORANT.DAT in the working folder
// (VELMORANT.INI), read and written a group at a time ([Rotator], [Radio], [Windows]).
// QSettings does the reading and the writing; it writes through a temporary file renamed over
// the old one (QSaveFile, atomic sync required), so a reader never sees half a file.

namespace velmorant {

inline constexpr const char* kSettingsFileName = "VELMORANT.INI";

// The largest settings file read, in bytes (1 MiB). The program writes a few hundred bytes; a
// file many times that size is not the program's (QSettings would parse all of it at every STOP
// and EXIT, seconds for 10 MB) and is left alone.
inline constexpr std::uintmax_t kMostSettingsBytes = std::uintmax_t{1} << 20;

class IniSettingsFile {
  public:
    explicit IniSettingsFile(std::filesystem::path file) : file_(std::move(file)) {}

    // Why the file is not used, when it is larger than kMostSettingsBytes or no regular file (a
    // FIFO, a device): it is then neither read (every group reads as missing, so the defaults
    // hold) nor written.
    std::optional<std::string> Refusal() const;

    // The keys of a group with their texts as written in the file; empty when the file or the
    // group is missing, or the file is refused. A line the INI reader cannot make sense of is
    // skipped.
    std::map<std::string, std::string> ReadGroup(std::string_view group) const;

    // Replaces the keys of a group, the other groups kept. False, with the reason in `problem`,
    // when the file cannot be written or is refused; the old file is then left as it was.
    bool WriteGroup(std::string_view group, const std::map<std::string, std::string>& values,
                    std::string* problem = nullptr) const;

    const std::filesystem::path& File() const { return file_; }

  private:
    std::filesystem::path file_;
};

// The notes on a group's values that could not be read, for a settings dialog: "VELMORANT.INI:
// values not used" and one line a note; empty without notes.
QString UnusedSettingsText(const std::vector<std::string>& notes);

}  // namespace velmorant
