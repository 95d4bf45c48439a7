// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/option_reader.h"

namespace velmorant {

// `velmorant plan`: the window's RUN for a planning report, without the window.
//   velmorant plan --start YYYY-MM-DD [--end YYYY-MM-DD] [--dir DIR] [--set NAME=TEXT]...
//                  [--home CALL|LOCATOR] [--dx CALL|LOCATOR] [--format text|csv|json]
//                  [--output FILE|-]
// Returns the exit status: 0 after a completed run, 2 for a refused run or a bad command line.
int RunPlanCommand(const CommandLine& line);

// The command's usage text.
const char* PlanUsage();

}  // namespace velmorant
