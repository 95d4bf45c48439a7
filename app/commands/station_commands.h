// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/option_reader.h"

namespace velmorant {

// `velmorant locator LOCATOR` and `velmorant locator LATDEG LATMIN LATSEC N|S LONDEG LONMIN
// LONSEC E|W`: one press of the Home calculation button on those inputs (the second form with an
// empty locator box). Prints the locator box, the six number boxes and the two hemisphere letters.
// Exit status 0, or 2 after a message (printed on standard error) or a bad command line.
int RunLocatorCommand(const CommandLine& line);

// `velmorant lookup CALLSIGN [--file PATH] [--browse next|prev]`: the Home lookup button on that
// callsign from a freshly started window. Prints the status or message text, the record number,
// and the callsign, locator and notes boxes. Exit status 0 when the status text begins with
// "Exact", 1 otherwise, 2 when the file is missing or the command line is wrong.
int RunLookupCommand(const CommandLine& line);

const char* LocatorUsage();
const char* LookupUsage();

}  // namespace velmorant
