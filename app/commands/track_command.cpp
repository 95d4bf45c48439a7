// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/track_command.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/commands/rotate_command.h"
#include "app/commands/track_options.h"
#include "app/tracker/track_follow.h"
#include "app/tracker/tune_radio.h"
#include "core/common/calendar.h"
#include "core/common/constants.h"
#include "core/common/decimal.h"
#include "core/ephemeris/doppler.h"
#include "run/input_ranges.h"
#include "run/realtime/real_time_setup.h"
#include "run/realtime/track_output.h"
#include "run/report/report_numbers.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/radio/radio_settings.h"
#include "ui/model/radio/rigctld_protocol.h"
#include "ui/model/real_time/local_clock.h"
#include "ui/model/rotator/rotator_settings.h"
#include "ui/model/rotator/rotator_status.h"
#include "ui/model/wsjtx/wsjtx_settings.h"

namespace velmorant {

std::time_t SecondsSince1970(const UtcInstant& utc) {
    const std::int64_t days = DaysSince1970(utc.Year, utc.Month, utc.Day);
    return static_cast<std::time_t>(days * 86400 + utc.Hour * 3600 + utc.Minute * 60 + utc.Second);
}

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

std::optional<std::string> TuningRefusal(DopplerTuningMode mode, const RealTimePassResult& pass) {
    if (!pass.Moon) {
        return "--rig follows the Moon's Doppler shift; choose the Moon";
    }
    if (mode == DopplerTuningMode::FullDx && !pass.Frame.ShowDX) {
        return "--doppler full-dx needs a displayed DX station";
    }
    return std::nullopt;
}

int RefuseTrackCommandLine(const std::string& problem) {
    std::cerr << "velmorant track: " << problem << "\n\n" << TrackUsage();
    return 2;
}

namespace {

// WSJT-X's UDP server written [ADDRESS:]PORT, the address 127.0.0.1 (WSJT-X's own default) when
// only the port is given; none when the port is not a whole number from 1 to 65535.
std::optional<WsjtxSettings> ParseWsjtxAddress(const std::string& text) {
    const bool portOnly =
        !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    const auto address = ParseHamlibAddress(portOnly ? "127.0.0.1:" + text : text);
    if (!address) {
        return std::nullopt;
    }
    WsjtxSettings wsjtx;
    wsjtx.Enabled = true;
    wsjtx.Address = address->Host;
    wsjtx.Port = address->Port;
    return wsjtx;
}

std::variant<TrackOptions, std::string> ParseOptions(const CommandLine& line) {
    TrackOptions options;
    for (const auto& [option, value] : line.Options) {
        if (option == "--follow") {
            options.Follow = true;
        } else if (option == "--at") {
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
        } else if (option == "--wsjtx") {
            options.Wsjtx = ParseWsjtxAddress(value);
            if (!options.Wsjtx) {
                return "--wsjtx takes [ADDRESS:]PORT with a port from 1 to 65535, not " + value;
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
    if (auto problem = UnexpectedArgument(line)) {
        return *problem;
    }
    const bool tuning = options.Doppler || options.SkyFrequencyHz || options.OffsetHz ||
                        options.Split || options.StepHz;
    if (tuning && !options.Rig) {
        return "--doppler, --sky-frequency, --offset, --split and --step go with --rig";
    }
    if (options.Wsjtx && !options.Follow) {
        return "--wsjtx follows WSJT-X while the command runs: it goes with --follow";
    }
    // With --follow what the command line leaves out comes from the saved radio settings.
    if (options.Rig && !options.Follow && (!options.Doppler || !options.SkyFrequencyHz)) {
        return "--rig needs --doppler and --sky-frequency";
    }
    return options;
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
             {ReportedDegrees("rotator_azimuth", position.AzimuthDeg),
              ReportedDegrees("rotator_elevation", position.ElevationDeg)});
    return true;
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
    AddItems(printed, format,
             {ReportedHertz("rig_rx", reported.ReceiveHz),
              ReportedHertz("rig_tx", reported.TransmitHz)});
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
           "                       [--rig HOST:PORT --doppler own-echo|full-dx|cfom\n"
           "                        --sky-frequency HZ [--offset HZ] [--split radio|none]\n"
           "                        [--step HZ]]\n"
           "       velmorant track --follow [--rotator HOST:PORT] [--rig HOST:PORT [--doppler "
           "...]\n"
           "                       [--sky-frequency HZ] [--offset HZ] [--split ...] [--step HZ]]\n"
           "                       [--wsjtx [ADDRESS:]PORT] [the options above]\n"
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
           "--follow tracks as the real-time window does until SIGINT or SIGTERM, printing a\n"
           "frame each second (json: one object a line); alone it only prints. --rotator\n"
           "then moves the rotator by the rules saved in DIR/VELMORANT.INI [Rotator]\n"
           "(station, elevation floor and range, move rule), adding rotator_azimuth and\n"
           "rotator_elevation as last reported. --rig keeps the radio tuned, the options\n"
           "left out taken from the saved [Radio] group, adding rig_rx, rig_tx as last\n"
           "reported and rig_sky, the sky frequency, which moves when the operator turns\n"
           "the dial; a new frequency goes out at most once a second, when it has moved by\n"
           "--step HZ (default 1). --wsjtx listens for WSJT-X's Status messages at its UDP\n"
           "server ADDRESS:PORT (default address 127.0.0.1; a multicast group is joined):\n"
           "its DX call or grid fills the DX row (told on standard error), and the move rule\n"
           "WithWsjtx follows its transmit periods. Faults are told on standard error once\n"
           "and retried. SIGINT or SIGTERM stops the rotator, leaves the radio on the sky\n"
           "frequency minus the offset and ends with status 0. With --at the seconds start\n"
           "there and go on with the clock.\n"
           "Exit status: 0 after the frame, 2 when the set-up is refused, the command line is\n"
           "wrong or WSJT-X's address cannot be listened on.\n";
}

int RunTrackCommand(const CommandLine& line) {
    auto parsed = ParseOptions(line);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return RefuseTrackCommandLine(*problem);
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
            return RefuseTrackCommandLine(result.Error);
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
