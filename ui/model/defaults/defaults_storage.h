// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "ui/model/defaults/text_storage.h"

// Where the saved-defaults file lives: VELMORANT.DAT, read whole and replaced whole.

namespace velmorant {

using DefaultsStorage = TextFileStorage;

// VELMORANT.DAT in a given folder.
class FileDefaultsStorage : public FileTextStorage {
  public:
    explicit FileDefaultsStorage(const std::filesystem::path& folder);
};

}  // namespace velmorant
