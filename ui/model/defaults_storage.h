#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Where the saved-defaults file lives. The window only ever needs the whole text at once, so
// the storage offers exactly that: existence, the whole text, and replacing the whole text.

namespace velmorant {

class DefaultsStorage {
  public:
    virtual ~DefaultsStorage() = default;

    // Whether the defaults file is there; the program never creates it.
    virtual bool Exists() const = 0;

    // The file's whole text, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadAll() const = 0;

    // Replaces the file's whole text. On failure returns false and leaves the old file whole.
    virtual bool Replace(std::string_view text) = 0;

    // The file's name as the operator should read it in a message.
    virtual std::string Location() const = 0;
};

// VELMORANT.DAT in a given folder. A replacement is written to a temporary file beside it and
// then renamed over it, so the file is never left half written.
class FileDefaultsStorage : public DefaultsStorage {
  public:
    explicit FileDefaultsStorage(std::filesystem::path folder);

    bool Exists() const override;
    std::optional<std::string> ReadAll() const override;
    bool Replace(std::string_view text) override;
    std::string Location() const override;

  private:
    std::filesystem::path file_;
};

}  // namespace velmorant
