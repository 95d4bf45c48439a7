#include "ui/model/text_storage.h"

#include <system_error>

#include "stations/text_file.h"

namespace velmorant {

bool FileTextStorage::Exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(file_, error);
}

std::optional<std::string> FileTextStorage::ReadAll() const {
    return ReadTextFile(file_);
}

bool FileTextStorage::Replace(std::string_view text) {
    const WriteResult result = WriteTextFile(file_, text);
    failureReason_ = result.Reason;
    return result.Written();
}

}  // namespace velmorant
