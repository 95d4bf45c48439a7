// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/text_storage.h"

#include <system_error>

#include "stations/file_lock.h"
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

namespace {

class HeldFileLock : public StorageLock {
  public:
    explicit HeldFileLock(FileLock lock) : lock_(std::move(lock)) {}

  private:
    FileLock lock_;
};

}  // namespace

std::string FailureSuffix(const TextFileStorage& storage) {
    const std::string reason = storage.FailureReason();
    return reason.empty() ? std::string() : ": " + reason;
}

std::unique_ptr<StorageLock> FileTextStorage::Lock() {
    auto lock = FileLock::Acquire(file_);
    if (!lock) {
        return nullptr;
    }
    return std::make_unique<HeldFileLock>(std::move(*lock));
}

}  // namespace velmorant
