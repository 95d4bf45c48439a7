// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "app/option_reader.h"

// Every headless command and the options it takes: what the command line reader checks each
// command's arguments against, and what the shell completion offers (a test holds the two
// together).

namespace velmorant {

// The commands in the order the general usage lists them.
std::span<const CommandOptions> HeadlessCommands();

// The command of that name; none when there is no such command.
const CommandOptions* HeadlessCommandNamed(std::string_view name);

}  // namespace velmorant
