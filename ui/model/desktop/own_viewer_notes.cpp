// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/desktop/own_viewer_notes.h"

#include <system_error>

#include "ui/model/main_window/main_window_controls.h"

namespace velmorant {

namespace {

std::string ProgramName(ProgramRole role) {
    return role == ProgramRole::TextEditor ? "text editor" : "PDF reader";
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Where the operator sets the program: both paths share the box under the "Text Editor" caption,
// and a click on the caption switches it to the reader's path ("Adobe Rdr").
std::string WhereItIsSet(ProgramRole role) {
    const std::string editor = Quoted(kTextEditorCaption);
    if (role == ProgramRole::TextEditor) {
        return "The text editor is set in the box under " + editor +
               " in the main window (SET DEFAULTS keeps it).";
    }
    return "The PDF reader is set in the main window: click the caption " + editor +
           " until it reads " + Quoted(kPdfReaderCaption) +
           ", then type the reader's path into the box under it (SET DEFAULTS keeps it).";
}

std::string ProgramText(ProgramRole role, std::string_view programPath) {
    if (programPath.empty()) {
        return "no " + ProgramName(role) + " is set";
    }
    return "the " + ProgramName(role) + " " + Quoted(programPath) + " could not open it";
}

}  // namespace

std::filesystem::path FullPathOf(const std::filesystem::path& folder, std::string_view file) {
    std::error_code error;
    const std::filesystem::path path = folder / std::filesystem::path(file);
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

std::string OwnViewerNote(ProgramRole role, std::string_view programPath,
                          const std::filesystem::path& file) {
    return "VELMORANT shows " + file.string() + " itself: " + ProgramText(role, programPath) +
           ". " + WhereItIsSet(role);
}

RunMessage FileNotOpenedMessage(ProgramRole role, std::string_view programPath,
                                const std::filesystem::path& file) {
    std::string text = "VELMORANT could not open " + file.string() + ": " +
                       ProgramText(role, programPath) + ", and the file cannot be shown here " +
                       "either. " + WhereItIsSet(role);
    return RunMessage{"Program Not Started", std::move(text)};
}

}  // namespace velmorant
