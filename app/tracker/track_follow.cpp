// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tracker/track_follow.h"

#include <iostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/commands/track_command.h"
#include "app/tracker/follow_station.h"
#include "run/realtime/track_output.h"
#include "ui/model/radio/radio_settings.h"
#include "ui/model/rotator/rotator_settings.h"
#include "ui/qt/desktop/ini_settings_file.h"

namespace velmorant {

namespace {

// Tells on standard error, naming the file, which saved values did not read: each has taken
// its default, as in the window.
void TellUnreadValues(const IniSettingsFile& saved, const std::vector<std::string>& problems) {
    for (const std::string& problem : problems) {
        std::cerr << "velmorant track: " << saved.File().string() << ": " << problem << '\n';
    }
}

// The rotator's settings for --follow: the rules saved in the [Rotator] group, at the address
// the command line gives.
RotatorSettings FollowedRotator(const HamlibAddress& address, const IniSettingsFile& saved) {
    RotatorSettingsReading reading = ReadRotatorSettings(saved.ReadGroup(kRotatorGroup));
    TellUnreadValues(saved, reading.Problems);
    RotatorSettings rotator = std::move(reading.Settings);
    rotator.Enabled = true;
    rotator.Host = address.Host;
    rotator.Port = address.Port;
    return rotator;
}

// The radio's settings for --follow: the options given, the others from the saved [Radio]
// group. The refusal when the mode comes out Off, or when the options leave the mode or the sky
// frequency out and no radio was saved (the settings' defaults are no operator's choice).
std::variant<RadioSettings, std::string> FollowedRadio(const TrackOptions& options,
                                                       const IniSettingsFile& saved) {
    const auto values = saved.ReadGroup(kRadioGroup);
    if (values.empty() && (!options.Doppler || !options.SkyFrequencyHz)) {
        return "--rig needs --doppler and --sky-frequency, or a radio saved in " +
               saved.File().string();
    }
    RadioSettingsReading reading = ReadRadioSettings(values);
    TellUnreadValues(saved, reading.Problems);
    RadioSettings radio = std::move(reading.Settings);
    radio.Enabled = true;
    radio.Host = options.Rig->Host;
    radio.Port = options.Rig->Port;
    radio.Mode = options.Doppler.value_or(radio.Mode);
    if (radio.Mode == DopplerTuningMode::Off) {
        return "--rig: the Doppler mode saved in " + saved.File().string() +
               " is Off; give --doppler own-echo, full-dx or cfom";
    }
    radio.SkyFrequencyHz = options.SkyFrequencyHz.value_or(radio.SkyFrequencyHz);
    radio.TransverterOffsetHz = options.OffsetHz.value_or(radio.TransverterOffsetHz);
    radio.Split = options.Split.value_or(radio.Split);
    radio.StepHz = options.StepHz.value_or(radio.StepHz);
    if (auto problem = RadioSettingsProblem(radio)) {
        return std::move(*problem);
    }
    return radio;
}

}  // namespace

int FollowTrack(const TrackOptions& options, MainWindowModel& form, HeadlessForm& window) {
    FollowedDevices devices;
    const IniSettingsFile saved(options.Folder / kSettingsFileName);
    if (options.Rotator || options.Rig) {
        if (const auto refusal = saved.Refusal()) {
            std::cerr << "velmorant track: " << *refusal << '\n';
        }
    }
    if (options.Rotator) {
        devices.Rotator = FollowedRotator(*options.Rotator, saved);
    }
    if (options.Rig) {
        auto radio = FollowedRadio(options, saved);
        if (const auto* problem = std::get_if<std::string>(&radio)) {
            return RefuseTrackCommandLine(*problem);
        }
        devices.Radio = std::get<RadioSettings>(std::move(radio));
    }
    devices.Wsjtx = options.Wsjtx;

    std::optional<TrackFrame> current;
    const auto passAt = [&](std::time_t second) -> std::optional<RealTimePassResult> {
        auto frame = TrackFrameFor(form, options.Folder, UtcAtSecond(second));
        if (const auto* message = std::get_if<RunMessage>(&frame)) {
            window.Messages.ShowMessage(message->Text, message->Title);
            return std::nullopt;
        }
        current = std::get<TrackFrame>(std::move(frame));
        if (devices.Radio) {
            if (const auto refusal = TuningRefusal(devices.Radio->Mode, current->Pass)) {
                std::cerr << "velmorant track: " << *refusal << '\n';
                return std::nullopt;
            }
        }
        return current->Pass;
    };
    // WSJT-X's DX goes into the DX row as in the window, and the next frame is computed for it;
    // what the status line says of it is told once.
    std::string statusLine = form.txtDateCalc.Text;
    const auto statusArrived = [&](const WsjtxStatus& status) {
        form.TakeWsjtxStations(WsjtxStations{status.DxCall, status.DxGrid, status.DeGrid});
        if (form.txtDateCalc.Text != statusLine) {
            statusLine = form.txtDateCalc.Text;
            std::cerr << "velmorant track: " << statusLine << '\n';
        }
    };
    const auto show = [&](const FollowedSecond& second) {
        std::string printed =
            options.Format == TrackFormat::Json ? TrackJson(*current) : TrackText(*current);
        std::vector<AddedItem> items;
        if (devices.Rotator) {
            const auto& position = second.RotatorPosition;
            items.push_back(ReportedDegrees(
                "rotator_azimuth", position ? std::optional(position->AzimuthDeg) : std::nullopt));
            items.push_back(
                ReportedDegrees("rotator_elevation",
                                position ? std::optional(position->ElevationDeg) : std::nullopt));
        }
        if (devices.Radio) {
            const auto& reported = second.Reported;
            items.push_back(
                ReportedHertz("rig_rx", reported ? std::optional(reported->VfoHz) : std::nullopt));
            items.push_back(ReportedHertz(
                "rig_tx", reported ? std::optional(reported->SplitHz) : std::nullopt));
            items.push_back(ReportedHertz("rig_sky", second.SkyFrequencyHz));
        }
        AddItems(printed, options.Format, items);
        // One JSON object a line; text frames apart by an empty line.
        std::cout << (options.Format == TrackFormat::Json ? OneLine(printed) + "\n"
                                                          : printed + "\n")
                  << std::flush;
    };
    std::optional<std::time_t> first;
    if (options.At) {
        first = SecondsSince1970(*options.At);
    }
    return FollowStation(first, devices, passAt, statusArrived, show);
}

}  // namespace velmorant
