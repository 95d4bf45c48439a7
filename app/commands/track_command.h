// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include "app/option_reader.h"
#include "run/realtime/track_frame.h"
#include "run/run_message.h"
#include "run/utc_now.h"

namespace velmorant {

class MainWindowModel;

// `velmorant track`: one frame of the real-time display for a UTC instant, without the window;
// with --follow a frame each second, the rotator, the radio and WSJT-X followed as the window
// follows them, until SIGINT or SIGTERM (TrackUsage has the options).
// Returns the exit status: 0 after the frame is printed or the tracker stopped, 2 for a bad
// command line or instant, a refused set-up or a WSJT-X address that cannot be listened on.
int RunTrackCommand(const CommandLine& line);

// The command's usage text.
const char* TrackUsage();

// The frame the real-time window would show at the UTC instant `utc` for the window's contents
// as they stand (read as a real-time RUN reads them), with QVSKYTEMP.DAT from `folder`; the
// local clock is `utc` plus the typed hour difference, and the clock check compares that with
// the system's own offset from UTC at the instant. The message that refuses the display
// otherwise. The frame computation of `track`, for any other headless caller.
std::variant<TrackFrame, RunMessage> TrackFrameFor(const MainWindowModel& form,
                                                   const std::filesystem::path& folder,
                                                   const UtcInstant& utc);

// The instant written YYYY-MM-DDTHH:MM:SSZ (UTC, a date that exists, in the years a run may
// cover); nothing otherwise.
std::optional<UtcInstant> ParseUtcInstant(const std::string& text);

}  // namespace velmorant
