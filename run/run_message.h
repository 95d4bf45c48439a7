// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace velmorant {

// A message box the run asks the window to show: its title and text (one OK button).
struct RunMessage {
    std::string Title;
    std::string Text;
};

}  // namespace velmorant
