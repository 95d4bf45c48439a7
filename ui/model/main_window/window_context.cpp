// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/main_window/window_context.h"

namespace velmorant {

void ShowMissingFileAndEnd(const WindowContext& window) {
    window.Messages.ShowMessage(
        "The file is not where expected.  Make sure all the VELMORANT files are in the same "
        "location as VELMORANT.EXE!",
        "File Not Found");
    window.RequestEnd();
}

}  // namespace velmorant
