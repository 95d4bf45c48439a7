// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_line.h"
#include "app/commands/track_options.h"

namespace velmorant {

// `velmorant track --follow`: a frame each second, the rotator and the radio driven by the rules
// saved in VELMORANT.INI (the command line's options first) and WSJT-X followed, until SIGINT or
// SIGTERM. Returns the exit status.
int FollowTrack(const TrackOptions& options, MainWindowModel& form, HeadlessForm& window);

}  // namespace velmorant
