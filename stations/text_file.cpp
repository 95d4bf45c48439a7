// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/text_file.h"

#include <array>
#include <fstream>
#include <system_error>

#include "stations/file_replacement.h"

namespace velmorant {

std::optional<std::string> ReadTextFile(const std::filesystem::path& file) {
    // A directory opens on some systems and only fails at the first read: rule it out first.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text;
    std::array<char, 1 << 16> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return text;
}

WriteResult WriteTextFile(const std::filesystem::path& file, std::string_view text) {
    FileReplacement replacement(file);
    replacement.Write(text);
    return replacement.Commit();
}

bool ReplaceTextFile(const std::filesystem::path& file, std::string_view text) {
    return WriteTextFile(file, text).Written();
}

}  // namespace velmorant
