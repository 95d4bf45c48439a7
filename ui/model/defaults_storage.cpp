#include "ui/model/defaults_storage.h"

#include "ui/model/defaults_file.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace velmorant {

FileDefaultsStorage::FileDefaultsStorage(std::filesystem::path folder)
    : file_(std::move(folder) / std::string(kDefaultsFileName)) {}

bool FileDefaultsStorage::Exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(file_, error);
}

std::optional<std::string> FileDefaultsStorage::ReadAll() const {
    std::ifstream in(file_, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return text;
}

bool FileDefaultsStorage::Replace(std::string_view text) {
    std::filesystem::path temporary = file_;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file_, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

std::string FileDefaultsStorage::Location() const {
    return file_.string();
}

}  // namespace velmorant
