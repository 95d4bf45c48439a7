// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/defaults_storage.h"

#include <string>

#include "ui/model/defaults/defaults_file.h"

namespace velmorant {

FileDefaultsStorage::FileDefaultsStorage(const std::filesystem::path& folder)
    : FileTextStorage(folder / std::string(kDefaultsFileName)) {}

}  // namespace velmorant
