// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmorant {

// The program with its window: picks the working folder, loads the saved defaults and runs the
// event loop until the window closes. Returns the exit status.
int RunWindow(int argc, char** argv);

}  // namespace velmorant
