// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/option_reader.h"

namespace velmorant {

// `velmorant windows`: the mutual windows of the Home station with many DX stations.
//   velmorant windows [--start YYYY-MM-DD] [--end YYYY-MM-DD | --days N] [--dir DIR]
//                     [--set NAME=TEXT]... [--home CALL|LOCATOR] [--dx CALL|LOCATOR|PATTERN]...
//                     [--format text|csv|json] [--output FILE|-]
// Returns the exit status: 0 when the windows were written (also none), 2 for a refused run, a
// station not found or a bad command line.
int RunWindowsCommand(const CommandLine& line);

// The command's usage text.
const char* WindowsUsage();

}  // namespace velmorant
