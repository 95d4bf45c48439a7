// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "run/run_message.h"

// The texts about a file the operator's program could not open: the note above the program's own
// view of it, and the message when not even that view could show it. Both name the file's full
// path and the place in the main window where the program's path is set, since the editor and
// the reader share one box whose caption switches on a click.

namespace velmorant {

// Which of the operator's programs was asked to open the file.
enum class ProgramRole {
    TextEditor,  // the report VELMORANT.TXT, path in txtTextEditor
    PdfReader    // the manual QVHELP.PDF, path in txtAdobeReader
};

// `file` in `folder` as a full path, for messages ("./VELMORANT.TXT" would say nothing).
std::filesystem::path FullPathOf(const std::filesystem::path& folder, std::string_view file);

// The note above the program's own view: which program could not open `file` and where its path
// is set.
std::string OwnViewerNote(ProgramRole role, std::string_view programPath,
                          const std::filesystem::path& file);

// The message when neither the operator's program nor the program's own view could open `file`.
RunMessage FileNotOpenedMessage(ProgramRole role, std::string_view programPath,
                                const std::filesystem::path& file);

}  // namespace velmorant
