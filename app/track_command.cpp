#include "app/track_command.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "run/input_ranges.h"
#include "run/realtime/real_time_setup.h"
#include "run/realtime/track_output.h"
#include "ui/model/defaults_storage.h"
#include "ui/model/local_clock.h"
#include "ui/model/main_window_model.h"

namespace velmorant {

namespace {

enum class TrackFormat { Text, Json };

struct TrackOptions {
    std::optional<UtcInstant> At;  // none: now
    std::filesystem::path Folder = ".";
    std::vector<std::pair<std::string, std::string>> Settings;
    TrackFormat Format = TrackFormat::Text;
};

// Messages go to standard error as "title: text", one per line.
class StandardErrorMessages : public MessagePresenter {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override {
        std::cerr << title << ": " << text << '\n';
    }
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
            const auto equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                return "--set needs NAME=TEXT, not " + value;
            }
            options.Settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
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
           "                       [--format text|json]\n"
           "\n"
           "Prints one frame of the real-time display for the UTC instant (default: now, from\n"
           "the system clock): the window's saved defaults are loaded from DIR/VELMORANT.DAT\n"
           "(DIR defaults to the current folder) and each --set gives a control a value, as\n"
           "for plan. Text: one \"name: value\" line per item, rounded as the window shows it;\n"
           "json: one object, numbers unrounded, units in the key names.\n"
           "Exit status: 0 after the frame, 2 when the set-up is refused or the command line\n"
           "is wrong.\n";
}

int RunTrackCommand(std::span<const std::string> args) {
    auto parsed = ParseOptions(args);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Usage(*problem);
    }
    const TrackOptions& options = std::get<TrackOptions>(parsed);

    LocalClock clock;
    FileDefaultsStorage storage(options.Folder);
    StandardErrorMessages messages;
    MainWindowModel form(clock, storage, messages);
    form.Form_Load();
    if (form.EndRequested()) {
        return 2;
    }
    for (const auto& [name, text] : options.Settings) {
        const ActionResult result = form.ApplySetting(name, text);
        if (!result.Ok) {
            return Usage(result.Error);
        }
    }
    const auto frame = TrackFrameFor(form, options.Folder, options.At.value_or(UtcNowFromSystem()));
    if (const auto* message = std::get_if<RunMessage>(&frame)) {
        messages.ShowMessage(message->Text, message->Title);
        return 2;
    }
    const TrackFrame& shown = std::get<TrackFrame>(frame);
    std::cout << (options.Format == TrackFormat::Json ? TrackJson(shown) : TrackText(shown));
    return 0;
}

}  // namespace velmorant
