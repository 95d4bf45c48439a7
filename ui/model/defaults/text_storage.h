// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A text file the window reads whole and replaces whole (the saved defaults, the station list).
// Tests pass a fake; the program passes FileTextStorage.

namespace velmorant {

// Held while a file is read and rewritten, so that two copies of the program take turns;
// released when destroyed.
class StorageLock {
  public:
    virtual ~StorageLock() = default;
};

class TextFileStorage {
  public:
    virtual ~TextFileStorage() = default;
    // Whether the file is there; the program never creates it.
    virtual bool Exists() const = 0;
    // The file's whole text, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadAll() const = 0;
    // Replaces the file's whole text. On failure returns false and leaves the old file whole.
    virtual bool Replace(std::string_view text) = 0;
    // Why the last Replace failed, to follow "could not be written: " in a message (e.g. "No
    // space left on device", "The file is read-only"); empty when it did not fail or the storage
    // cannot tell.
    virtual std::string FailureReason() const { return {}; }
    // The file's name as the operator should read it in a message.
    virtual std::string Location() const = 0;
    // Takes the file's lock for one read and rewrite, waiting a moment while another program
    // holds it; null when it stays busy. Without an override there is nobody to take turns with.
    virtual std::unique_ptr<StorageLock> Lock() { return std::make_unique<StorageLock>(); }
};

// ": " and the reason of the last failed Replace, to follow "could not be written" in a message;
// empty when the storage cannot tell.
std::string FailureSuffix(const TextFileStorage& storage);

// A file on disk, replaced atomically by WriteTextFile (a unique temporary file beside it, synced,
// then renamed over it; links written through, permissions kept, a read-only file refused).
class FileTextStorage : public TextFileStorage {
  public:
    explicit FileTextStorage(std::filesystem::path file) : file_(std::move(file)) {}
    bool Exists() const override;
    std::optional<std::string> ReadAll() const override;
    bool Replace(std::string_view text) override;
    std::string FailureReason() const override { return failureReason_; }
    std::string Location() const override { return file_.string(); }
    // The lock file beside it (`<file>.lock`), waited for up to two seconds.
    std::unique_ptr<StorageLock> Lock() override;

  private:
    std::filesystem::path file_;
    std::string failureReason_;
};

}  // namespace velmorant
