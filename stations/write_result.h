// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmorant {

// Whether a file was written, and if not, why, in words a message box can show after "could not
// be written: ".
struct WriteResult {
    enum class Kind {
        Written,   // the file holds the new contents
        ReadOnly,  // the file has no owner write permission: it was left alone on purpose
        Failed     // the system refused (full disk, missing folder, ...): Reason has its words
    };
    Kind Outcome = Kind::Written;
    // Empty when written; otherwise one sentence without a final stop, e.g. "No space left on
    // device" (the system's text for its error number) or kReadOnlyReason.
    std::string Reason;

    bool Written() const { return Outcome == Kind::Written; }
};

inline constexpr const char* kReadOnlyReason = "The file is read-only";

}  // namespace velmorant
