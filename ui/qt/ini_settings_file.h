// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// A settings file of the program in INI form, beside VELMORANT.DAT in the working folder
// (VELMORANT.INI), read and written a group at a time ([Rotator], later window positions).
// QSettings does the reading and the writing; it writes through a temporary file renamed over
// the old one (QSaveFile, atomic sync required), so a reader never sees half a file.

namespace velmorant {

inline constexpr const char* kSettingsFileName = "VELMORANT.INI";

class IniSettingsFile {
  public:
    explicit IniSettingsFile(std::filesystem::path file) : file_(std::move(file)) {}

    // The keys of a group with their texts as written in the file; empty when the file or the
    // group is missing. A line the INI reader cannot make sense of is skipped.
    std::map<std::string, std::string> ReadGroup(std::string_view group) const;

    // Replaces the keys of a group, the other groups kept. False, with the reason in `problem`,
    // when the file cannot be written; the old file is then left as it was.
    bool WriteGroup(std::string_view group, const std::map<std::string, std::string>& values,
                    std::string* problem = nullptr) const;

    const std::filesystem::path& File() const { return file_; }

  private:
    std::filesystem::path file_;
};

}  // namespace velmorant
