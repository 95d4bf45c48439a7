// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/option_reader.h"

namespace velmorant {

// `velmorant calendar`: one line per UTC date summing up the Moon for EME.
//   velmorant calendar --start YYYY-MM-DD [--days N] [--dir DIR] [--set NAME=TEXT]...
//                      [--home CALL|LOCATOR] [--dx CALL|LOCATOR] [--format text|csv|json]
//                      [--output FILE|-]
// Returns the exit status: 0 when the calendar was written, 2 for a refused run, a station not
// found, an output that cannot be written or a bad command line.
int RunCalendarCommand(const CommandLine& line);

// The command's usage text.
const char* CalendarUsage();

}  // namespace velmorant
