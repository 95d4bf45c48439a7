// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/option_reader.h"

namespace velmorant {

// `velmorant chart`: the Moon's elevation at Home and DX over the dates, with the mutual windows,
// as a PNG or SVG picture.
//   velmorant chart --start YYYY-MM-DD [--end YYYY-MM-DD] [--dir DIR] [--set NAME=TEXT]...
//                   [--home CALL|LOCATOR] [--dx CALL|LOCATOR] --output FILE.png|FILE.svg
// Returns the exit status: 0 when the picture was written, 2 for a refused run, a station not
// found, a picture that cannot be written or a bad command line.
int RunChartCommand(const CommandLine& line);

// The command's usage text.
const char* ChartUsage();

}  // namespace velmorant
