#include "stations/text_file.h"

#include <array>
#include <fstream>
#include <system_error>

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

bool ReplaceTextFile(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;  // nothing was created, so nothing is removed
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace velmorant
