// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/commands/rotate_command.h"
#include "app/commands/track_items.h"
#include "run/realtime/doppler_tuning.h"
#include "run/realtime/real_time_pass.h"
#include "run/utc_now.h"
#include "ui/model/radio/radio_settings.h"
#include "ui/model/wsjtx/wsjtx_settings.h"

// What `velmorant track` was asked for, and what its one-shot frame and its --follow tracker
// share.

namespace velmorant {

struct TrackOptions {
    std::optional<UtcInstant> At;  // none: now
    std::filesystem::path Folder = ".";
    std::vector<std::pair<std::string, std::string>> Settings;
    std::optional<std::string> Home;
    std::optional<std::string> Dx;
    TrackFormat Format = TrackFormat::Text;
    std::optional<HamlibAddress> Rotator;  // rotctld to send the frame's position to
    std::optional<HamlibAddress> Rig;      // rigctld to tune for the frame's Doppler shift
    std::optional<DopplerTuningMode> Doppler;
    std::optional<double> SkyFrequencyHz;
    std::optional<double> OffsetHz;
    std::optional<RadioSplit> Split;
    std::optional<double> StepHz;
    bool Follow = false;                 // a frame each second until SIGINT or SIGTERM
    std::optional<WsjtxSettings> Wsjtx;  // where WSJT-X's Status messages arrive (--follow)
};

// The command line refused: the problem and the usage on standard error; returns 2.
int RefuseTrackCommandLine(const std::string& problem);

// Why the radio cannot be tuned for this pass: only the Moon's shift is known, and the DX
// path's only with a DX station displayed. None when it can.
std::optional<std::string> TuningRefusal(DopplerTuningMode mode, const RealTimePassResult& pass);

// Seconds since 1970 UTC of the instant, and the UTC second of such a count.
std::time_t SecondsSince1970(const UtcInstant& utc);
UtcInstant UtcAtSecond(std::time_t second);

}  // namespace velmorant
