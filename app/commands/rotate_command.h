// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "app/option_reader.h"
#include "ui/model/rotator/rotator_move.h"

namespace velmorant {

// One move of a rotator through rotctld, waiting for it (headless use only: the window never
// waits on the network): connect, send `P` for `aim`, read its "RPRT 0", ask `p`, read the
// position. Each step is given `timeoutMs` milliseconds.
struct RotateOnceResult {
    std::optional<RotatorAim> Position;  // where rotctld says the rotator stands
    std::string Problem;                 // otherwise the reason, naming the address
};
RotateOnceResult RotateOnce(const std::string& host, int port, RotatorAim aim, int timeoutMs);

// `velmorant rotate`: one move, its answer and the rotator's position printed.
//   velmorant rotate --rotator HOST:PORT --az DEGREES --el DEGREES
// The azimuth is wrapped into [0, 360), the elevation clamped into 0 to 90.
// Returns 0 with "ROT az el" on standard output, 2 with the reason on standard error.
int RunRotateCommand(const CommandLine& line);

// The command's usage text.
const char* RotateUsage();

}  // namespace velmorant
