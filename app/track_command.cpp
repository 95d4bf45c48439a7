// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/track_command.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/follow_radio.h"
#include "app/rotate_command.h"
#include "app/tune_radio.h"
#include "core/calendar.h"
#include "core/constants.h"
#include "core/decimal.h"
#include "core/doppler.h"
#include "run/input_ranges.h"
#include "run/realtime/real_time_setup.h"
#include "run/realtime/track_output.h"
#include "run/report/data_rows.h"
#include "run/report/report_numbers.h"
#include "stations/station_list.h"
#include "ui/model/local_clock.h"
#include "ui/model/main_window_model.h"
#include "ui/model/radio_settings.h"
#include "ui/model/radio_status.h"
#include "ui/model/rigctld_protocol.h"
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
    std::optional<HamlibAddress> Rotator;  // rotctld to send the frame's position to
    std::optional<HamlibAddress> Rig;      // rigctld to tune for the frame's Doppler shift
    std::optional<DopplerTuningMode> Doppler;
    std::optional<double> SkyFrequencyHz;
    std::optional<double> OffsetHz;
    std::optional<RadioSplit> Split;
    std::optional<double> StepHz;
    bool Follow = false;  // a frame each second until SIGINT or SIGTERM
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

// The UTC second of a count of seconds since 1970.
UtcInstant UtcAtSecond(std::time_t second) {
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &second);
#else
    gmtime_r(&second, &utc);
#endif
    return UtcInstantOf(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min,
                        utc.tm_sec);
}

std::variant<TrackOptions, std::string> ParseOptions(std::span<const std::string> args) {
    TrackOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--follow") {
            options.Follow = true;
            continue;
        }
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
            options.Rotator = ParseHamlibAddress(value);
            if (!options.Rotator) {
                return "--rotator takes HOST:PORT with a port from 1 to 65535, not " + value;
            }
        } else if (option == "--rig") {
            options.Rig = ParseHamlibAddress(value);
            if (!options.Rig) {
                return "--rig takes HOST:PORT with a port from 1 to 65535, not " + value;
            }
        } else if (option == "--doppler") {
            options.Doppler = value == "own-echo"  ? DopplerTuningMode::OwnEcho
                              : value == "full-dx" ? DopplerTuningMode::FullDx
                              : value == "cfom"    ? DopplerTuningMode::ConstantOnMoon
                                                   : DopplerTuningMode::Off;
            if (options.Doppler == DopplerTuningMode::Off) {
                return "--doppler takes own-echo, full-dx or cfom, not " + value;
            }
        } else if (option == "--sky-frequency" || option == "--offset") {
            const auto hz = StrictDecimal(value);
            if (!hz || std::abs(*hz) > kHighestRadioFrequencyHz) {
                return option + " takes a number of hertz, not " + value;
            }
            (option == "--offset" ? options.OffsetHz : options.SkyFrequencyHz) = hz;
        } else if (option == "--step") {
            const auto hz = StrictDecimal(value);
            if (!hz || *hz < kSmallestTuningStepHz || *hz > kLargestTuningStepHz) {
                return "--step takes hertz from 1 to 100000, not " + value;
            }
            options.StepHz = hz;
        } else if (option == "--split") {
            if (value != "radio" && value != "none") {
                return "--split takes radio or none, not " + value;
            }
            options.Split = value == "radio" ? RadioSplit::Radio : RadioSplit::None;
        } else if (option == "--format") {
            if (value != "text" && value != "json") {
                return "--format takes text or json, not " + value;
            }
            options.Format = value == "json" ? TrackFormat::Json : TrackFormat::Text;
        } else {
            return "unknown option " + option;
        }
    }
    const bool tuning = options.Doppler || options.SkyFrequencyHz || options.OffsetHz ||
                        options.Split || options.StepHz;
    if (tuning && !options.Rig) {
        return "--doppler, --sky-frequency, --offset, --split and --step go with --rig";
    }
    if (options.Follow && (!options.Rig || options.Rotator)) {
        return "--follow keeps the radio tuned: it goes with --rig, and not with --rotator";
    }
    if (options.Rig && (!options.Doppler || !options.SkyFrequencyHz)) {
        return "--rig needs --doppler and --sky-frequency";
    }
    return options;
}

// Items added to the printed frame after its own: "name: text" lines, or "name_unit": number
// keys before the JSON object's closing brace.
struct AddedItem {
    std::string Name;
    std::string Text;
    std::string Unit;
    std::string Number;
};

void AddItems(std::string& printed, TrackFormat format, const std::vector<AddedItem>& items) {
    if (format == TrackFormat::Json) {
        // The object's closing brace moves behind the keys.
        printed.resize(printed.rfind('}'));
        while (!printed.empty() && printed.back() == '\n') {
            printed.pop_back();
        }
        for (const AddedItem& item : items) {
            printed += ",\n  \"" + item.Name + "_" + item.Unit + "\": " + item.Number;
        }
        printed += "\n}\n";
    } else {
        for (const AddedItem& item : items) {
            printed += item.Name + ": " + item.Text + "\n";
        }
    }
}

// Sends rotctld the frame's position (Home's, or DX's when Home is not displayed) and adds what it
// reports to the printed frame: two lines of text, or two keys of the JSON object. False, with
// the reason on standard error, when the rotator cannot be moved.
bool RotateToFrame(const HamlibAddress& address, const TrackFrame& frame, TrackFormat format,
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
        aim ? RotateOnce(address.Host, address.Port, *aim, kHamlibAnswerTimeoutMs)
            : RotateOnceResult{std::nullopt, "the position is not a number"};
    if (!result.Position) {
        std::cerr << "velmorant track: " << result.Problem << '\n';
        return false;
    }
    const RotatorAim& position = *result.Position;
    AddItems(printed, format,
             {{"rotator_azimuth", FixedText(position.AzimuthDeg, 1), "deg",
               FixedText(position.AzimuthDeg, 2)},
              {"rotator_elevation", FixedText(position.ElevationDeg, 1), "deg",
               FixedText(position.ElevationDeg, 2)}});
    return true;
}

// Why the radio cannot be tuned for this pass: only the Moon's shift is known, and the DX
// path's only with a DX station displayed. None when it can.
std::optional<std::string> TuningRefusal(DopplerTuningMode mode, const RealTimePassResult& pass) {
    if (!pass.Moon) {
        return "--rig follows the Moon's Doppler shift; choose the Moon";
    }
    if (mode == DopplerTuningMode::FullDx && !pass.Frame.ShowDX) {
        return "--doppler full-dx needs a displayed DX station";
    }
    return std::nullopt;
}

// Tunes the radio behind rigctld for the frame's second: the Moon's Doppler shifts of the
// frame's instant at the sky frequency, shared as the mode says, minus the transverter offset;
// adds the frequencies the radio reports (rig_rx, rig_tx). False, with the reason on standard
// error, when the radio cannot be tuned.
bool TuneToFrame(const TrackOptions& options, const TrackFrame& frame, TrackFormat format,
                 std::string& printed) {
    const RealTimePassResult& pass = frame.Pass;
    if (const auto refusal = TuningRefusal(*options.Doppler, pass)) {
        std::cerr << "velmorant track: " << *refusal << '\n';
        return false;
    }
    const double skyHz = *options.SkyFrequencyHz;
    // The shifts scale with the carrier: the pass's range rates give them at the sky frequency.
    const MoonDopplerResult shifts =
        MoonDopplerAtCarrier(pass.Doppler.HomeRangeRateMps, pass.Doppler.DXRangeRateMps, skyHz);
    const RadioFrequencies wanted = *DopplerTunedFrequencies(
        *options.Doppler, skyHz, shifts.EchoHz, shifts.DXHz, options.OffsetHz.value_or(0));
    for (const double hz : {wanted.ReceiveHz, wanted.TransmitHz}) {
        if (!(hz > 0 && hz <= kHighestRadioFrequencyHz)) {
            std::cerr << "velmorant track: the radio would be tuned to " << FormatWhole(hz)
                      << " Hz; check --sky-frequency and --offset\n";
            return false;
        }
    }
    const HamlibAddress& rig = *options.Rig;
    const TuneOnceResult result =
        TuneRadioOnce(rig.Host, rig.Port, wanted, options.Split.value_or(RadioSplit::Radio),
                      kHamlibAnswerTimeoutMs);
    if (!result.Reported) {
        std::cerr << "velmorant track: " << result.Problem << '\n';
        return false;
    }
    const RadioFrequencies& reported = *result.Reported;
    AddItems(
        printed, format,
        {{"rig_rx", FormatWhole(reported.ReceiveHz) + " Hz", "hz", HertzText(reported.ReceiveHz)},
         {"rig_tx", FormatWhole(reported.TransmitHz) + " Hz", "hz",
          HertzText(reported.TransmitHz)}});
    return true;
}

// The radio's settings the command line gives.
RadioSettings RadioFromOptions(const TrackOptions& options) {
    RadioSettings radio;
    radio.Enabled = true;
    radio.Host = options.Rig->Host;
    radio.Port = options.Rig->Port;
    radio.SkyFrequencyHz = *options.SkyFrequencyHz;
    radio.Mode = *options.Doppler;
    radio.TransverterOffsetHz = options.OffsetHz.value_or(0);
    radio.Split = options.Split.value_or(RadioSplit::Radio);
    radio.StepHz = options.StepHz.value_or(kDefaultTuningStepHz);
    return radio;
}

// A JSON object on one line, for a stream read line by line: the object's own line breaks and
// indents go (its texts hold none: they are escaped).
std::string OneLine(const std::string& json) {
    std::string line;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] == '\n') {
            while (i + 1 < json.size() && json[i + 1] == ' ') {
                ++i;
            }
            continue;
        }
        line += json[i];
    }
    return line;
}

// --follow: a frame each second, the radio kept tuned, until SIGINT or SIGTERM.
int FollowTrack(const TrackOptions& options, const MainWindowModel& form, HeadlessForm& window) {
    const RadioSettings radio = RadioFromOptions(options);
    if (const auto problem = RadioSettingsProblem(radio)) {
        return Usage(*problem);
    }
    std::optional<TrackFrame> current;
    const auto passAt = [&](std::time_t second) -> std::optional<RealTimePassResult> {
        auto frame = TrackFrameFor(form, options.Folder, UtcAtSecond(second));
        if (const auto* message = std::get_if<RunMessage>(&frame)) {
            window.Messages.ShowMessage(message->Text, message->Title);
            return std::nullopt;
        }
        current = std::get<TrackFrame>(std::move(frame));
        if (const auto refusal = TuningRefusal(radio.Mode, current->Pass)) {
            std::cerr << "velmorant track: " << *refusal << '\n';
            return std::nullopt;
        }
        return current->Pass;
    };
    const auto show = [&](const FollowedSecond& second) {
        std::string printed =
            options.Format == TrackFormat::Json ? TrackJson(*current) : TrackText(*current);
        const auto item = [](const char* name, std::optional<double> hz) {
            return hz ? AddedItem{name, FormatWhole(*hz) + " Hz", "hz", HertzText(*hz)}
                      : AddedItem{name, "--", "hz", "null"};
        };
        const auto& reported = second.Reported;
        AddItems(printed, options.Format,
                 {item("rig_rx", reported ? std::optional(reported->VfoHz) : std::nullopt),
                  item("rig_tx", reported ? std::optional(reported->SplitHz) : std::nullopt),
                  item("rig_sky", second.SkyFrequencyHz)});
        // One JSON object a line; text frames apart by an empty line.
        std::cout << (options.Format == TrackFormat::Json ? OneLine(printed) + "\n"
                                                          : printed + "\n")
                  << std::flush;
    };
    std::optional<std::time_t> first;
    if (options.At) {
        first = SecondsSince1970(*options.At);
    }
    return FollowRadio(first, radio, passAt, show);
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
           "                       [--rig HOST:PORT --doppler own-echo|full-dx|cfom\n"
           "                        --sky-frequency HZ [--offset HZ] [--split radio|none]\n"
           "                        [--step HZ] [--follow]]\n"
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
           "--rig tunes the radio behind Hamlib's rigctld at HOST:PORT for the Moon's Doppler\n"
           "shift at the sky frequency HZ (the frequency on the Moon path) at the frame's\n"
           "second: own-echo receives F+E and sends F, full-dx receives F+D and sends F-D,\n"
           "cfom (constant frequency on the Moon) receives F+E/2 and sends F-E/2 (E the own\n"
           "echo's shift, D the DX path's). The radio's frequency is the sky frequency minus\n"
           "--offset (a transverter's, default 0). --split radio (the default) sets the\n"
           "receive VFO with F and the transmit VFO with S 1 VFOB and I; none sets only the\n"
           "receive frequency. The frequencies the radio reports are added (rig_rx, rig_tx);\n"
           "faults end as for --rotator.\n"
           "--follow keeps the radio tuned as the real-time window does, printing a frame\n"
           "each second (json: one object a line) with rig_rx, rig_tx as last reported and\n"
           "rig_sky, the sky frequency, which moves when the operator turns the dial. A new\n"
           "frequency goes out at most once a second, when it has moved by --step HZ (default\n"
           "1). Faults are told on standard error and retried. SIGINT or SIGTERM leaves the\n"
           "radio on the sky frequency minus the offset and ends with status 0. With --at the\n"
           "seconds start there and go on with the clock.\n"
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
    if (options.Follow) {
        return FollowTrack(options, form, window);
    }
    const auto frame =
        TrackFrameFor(form, options.Folder, options.At.value_or(UtcAtSecond(std::time(nullptr))));
    if (const auto* message = std::get_if<RunMessage>(&frame)) {
        window.Messages.ShowMessage(message->Text, message->Title);
        return 2;
    }
    const TrackFrame& shown = std::get<TrackFrame>(frame);
    std::string printed = options.Format == TrackFormat::Json ? TrackJson(shown) : TrackText(shown);
    if (options.Rotator && !RotateToFrame(*options.Rotator, shown, options.Format, printed)) {
        return 2;
    }
    if (options.Rig && !TuneToFrame(options, shown, options.Format, printed)) {
        return 2;
    }
    std::cout << printed;
    return 0;
}

}  // namespace velmorant
