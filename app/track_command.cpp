// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/track_command.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/rotate_command.h"
#include "core/calendar.h"
#include "core/constants.h"
#include "run/input_ranges.h"
#include "run/realtime/real_time_setup.h"
#include "run/realtime/track_output.h"
#include "stations/station_list.h"
#include "ui/model/local_clock.h"
#include "ui/model/main_window_model.h"
#include "ui/model/rotator_settings.h"
#include "ui/model/rotator_status.h"

namespace velmorant {

namespace {

enum class TrackFormat { Text, Json };

struct TrackOptions {
    std::optional<UtcInstant> At;  // none: now
    std::filesystem::path Folder = ".";
    std::vector<std::pair<std::string, std::string>> Settings;
    std::optional<std::string> Home;
    std::optional<std::string> Dx;
    TrackFormat Format = TrackFormat::Text;
    std::optional<RotatorAddress> Rotator;  // rotctld to send the frame's position to
};

int Usage(const std::string& problem) {
    std::cerr << "velmorant track: " << problem << "\n\n" << TrackUsage();
    return 2;
}

// Seconds since 1970 UTC of the instant.
std::time_t SecondsSince1970(const UtcInstant& utc) {
    const std::int64_t days = DaysSince1970(utc.Year, utc.Month, utc.Day);
    return static_cast<std::time_t>(days * 86400 + utc.Hour * 3600 + utc.Minute * 60 + utc.Second);
}

// The system clock's current UTC second.
UtcInstant UtcNowFromSystem() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    return UtcInstantOf(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min,
                        utc.tm_sec);
}

std::variant<TrackOptions, std::string> ParseOptions(std::span<const std::string> args) {
    TrackOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            return "option " + option + " needs a value";
        }
        const std::string& value = args[++i];
        if (option == "--at") {
            options.At = ParseUtcInstant(value);
            if (!options.At) {
                return "the instant " + value + " is not a UTC time YYYY-MM-DDTHH:MM:SSZ with a " +
                       "year from " + std::to_string(kFirstYear) + " to " +
                       std::to_string(kLastYear);
            }
        } else if (option == "--dir") {
            options.Folder = value;
        } else if (option == "--set") {
            if (auto problem = TakeSetting(value, options.Settings)) {
                return *problem;
            }
        } else if (option == "--home") {
            options.Home = value;
        } else if (option == "--dx") {
            options.Dx = value;
        } else if (option == "--rotator") {
            options.Rotator = ParseRotatorAddress(value);
            if (!options.Rotator) {
                return "--rotator takes HOST:PORT with a port from 1 to 65535, not " + value;
            }
        } else if (option == "--format") {
            if (value != "text" && value != "json") {
                return "--format takes text or json, not " + value;
            }
            options.Format = value == "json" ? TrackFormat::Json : TrackFormat::Text;
        } else {
            return "unknown option " + option;
        }
    }
    return options;
}

// Sends rotctld the frame's position (Home's, or DX's when Home is not displayed) and adds what it
// reports to the printed frame: two lines of text, or two keys of the JSON object. False, with
// the reason on standard error, when the rotator cannot be moved.
bool RotateToFrame(const RotatorAddress& address, const TrackFrame& frame, TrackFormat format,
                   std::string& printed) {
    const RealTimeFrame& labels = frame.Pass.Frame;
    if (!labels.ShowHome && !labels.ShowDX) {
        std::cerr << "velmorant track: --rotator needs a displayed station\n";
        return false;
    }
    const StationView& view = labels.ShowHome ? frame.Pass.Home : frame.Pass.DX;
    // One move asked for on the command line goes out whatever the elevation floor; the
    // elevation is clamped into 0 to 90, the azimuth taken into 0 to 360.
    RotatorSettings limits;
    limits.ElevationFloorDeg = -90;
    const auto aim =
        CommandedAim(limits, RotatorAim{view.Azimuth * RadToDeg, view.Elevation * RadToDeg});
    const RotateOnceResult result =
        aim ? RotateOnce(address.Host, address.Port, *aim, kRotctldAnswerTimeoutMs)
            : RotateOnceResult{std::nullopt, "the position is not a number"};
    if (!result.Position) {
        std::cerr << "velmorant track: " << result.Problem << '\n';
        return false;
    }
    const std::string azimuth = FixedText(result.Position->AzimuthDeg, 2);
    const std::string elevation = FixedText(result.Position->ElevationDeg, 2);
    if (format == TrackFormat::Json) {
        // The object's closing brace moves behind the two keys.
        printed.resize(printed.rfind('}'));
        while (!printed.empty() && printed.back() == '\n') {
            printed.pop_back();
        }
        printed += ",\n  \"rotator_azimuth_deg\": " + azimuth +
                   ",\n  \"rotator_elevation_deg\": " + elevation + "\n}\n";
    } else {
        printed += "rotator_azimuth: " + FixedText(result.Position->AzimuthDeg, 1) +
                   "\nrotator_elevation: " + FixedText(result.Position->ElevationDeg, 1) + "\n";
    }
    return true;
}

}  // namespace

std::optional<UtcInstant> ParseUtcInstant(const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, length = 0;
    if (text.size() != 20 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ%n", &year, &month, &day, &hour, &minute,
                    &second, &length) != 6 ||
        length != 20) {
        return std::nullopt;
    }
    for (const std::size_t digit : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u, 11u, 12u, 14u, 15u, 17u, 18u}) {
        if (text[digit] < '0' || text[digit] > '9') {
            return std::nullopt;
        }
    }
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return UtcInstantOf(year, month, day, hour, minute, second);
}

std::variant<TrackFrame, RunMessage> TrackFrameFor(const MainWindowModel& form,
                                                   const std::filesystem::path& folder,
                                                   const UtcInstant& utc) {
    auto prepared = PrepareRealTime(form.Inputs(), folder);
    if (auto* message = std::get_if<RunMessage>(&prepared)) {
        return std::move(*message);
    }
    const RealTimeSetUp& setUp = std::get<RealTimeSetUp>(prepared);
    const LocalDateTime local = LocalFromUtc(utc, setUp.Params.TimeDif);
    return TrackFrameAt(setUp.Params, setUp.Table, utc, local,
                        LocalClock::UtcOffsetMinutesAt(SecondsSince1970(utc)));
}

const char* TrackUsage() {
    return "usage: velmorant track [--at YYYY-MM-DDTHH:MM:SSZ] [--dir DIR] [--set NAME=TEXT]...\n"
           "                       [--home CALL|LOCATOR] [--dx CALL|LOCATOR] [--format text|json]\n"
           "                       [--rotator HOST:PORT]\n"
           "\n"
           "Prints one frame of the real-time display for the UTC instant (default: now, from\n"
           "the system clock): the window's saved defaults are loaded from DIR/VELMORANT.DAT\n"
           "(DIR defaults to the current folder) and each --set gives a control a value, as\n"
           "for plan; --home and --dx place a station as for plan. Text: one \"name: value\"\n"
           "line per item, rounded as the window shows it; json: one object, numbers\n"
           "unrounded, units in the key names.\n"
           "--rotator sends Hamlib's rotctld at HOST:PORT the frame's Home position (DX's\n"
           "when Home is not displayed), waits for its answer and adds the position it\n"
           "reports (rotator_azimuth, rotator_elevation); no answer within 5 s, nothing\n"
           "listening or an error answer end with the reason and status 2.\n"
           "Exit status: 0 after the frame, 2 when the set-up is refused or the command line\n"
           "is wrong.\n";
}

int RunTrackCommand(std::span<const std::string> args) {
    auto parsed = ParseOptions(args);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Usage(*problem);
    }
    const TrackOptions& options = std::get<TrackOptions>(parsed);

    HeadlessForm window(options.Folder);
    MainWindowModel& form = window.Form;
    if (form.EndRequested()) {
        return 2;
    }
    for (const auto& [name, text] : options.Settings) {
        const ActionResult result = form.ApplySetting(name, text);
        if (!result.Ok) {
            return Usage(result.Error);
        }
    }
    if (const auto refusal = PlaceNamedStations(form, options.Home, options.Dx)) {
        std::cerr << "velmorant track: " << *refusal << '\n';
        return 2;
    }
    const auto frame = TrackFrameFor(form, options.Folder, options.At.value_or(UtcNowFromSystem()));
    if (const auto* message = std::get_if<RunMessage>(&frame)) {
        window.Messages.ShowMessage(message->Text, message->Title);
        return 2;
    }
    const TrackFrame& shown = std::get<TrackFrame>(frame);
    std::string printed = options.Format == TrackFormat::Json ? TrackJson(shown) : TrackText(shown);
    if (options.Rotator && !RotateToFrame(*options.Rotator, shown, options.Format, printed)) {
        return 2;
    }
    std::cout << printed;
    return 0;
}

}  // namespace velmorant
