// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/station_commands.h"

#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "stations/station_list.h"
#include "ui/model/defaults/defaults_storage.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/real_time/local_clock.h"

namespace velmorant {

namespace {

// Keeps the messages a headless command's window shows; they go to standard error.
class RecordingMessages : public MessagePresenter {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override {
        std::cerr << title << ": " << text << '\n';
        if (count++ == 0) {
            first = std::string(text);
        }
    }
    std::string first;
    int count = 0;
};

// A window as it starts, before any saved defaults: the station commands need none.
struct HeadlessWindow {
    LocalClock Clock;
    FileDefaultsStorage Defaults{"."};
    RecordingMessages Messages;
    MainWindowModel Form{Clock, Defaults, Messages};
};

int Usage(const char* usage, const std::string& problem) {
    std::cerr << "velmorant: " << problem << "\n\n" << usage;
    return 2;
}

}  // namespace

const char* LocatorUsage() {
    return "usage: velmorant locator LOCATOR\n"
           "       velmorant locator LATDEG LATMIN LATSEC N|S LONDEG LONMIN LONSEC E|W\n"
           "\n"
           "Converts a Maidenhead locator to coordinates, or coordinates to a locator, as the\n"
           "station's calculation button does, and prints the locator, the latitude and the\n"
           "longitude as the window shows them afterwards, e.g. JN58td 48 8 45 N 11 37 30 E.\n";
}

const char* LookupUsage() {
    return "usage: velmorant lookup CALLSIGN [--file PATH] [--browse next|prev]\n"
           "\n"
           "Looks the callsign up in CALL3.TXT (PATH, default CALL3.TXT in the current folder)\n"
           "as the lookup button does, or browses to the next or previous station line after\n"
           "it. Prints five lines: the status or message text, the record number, and the\n"
           "callsign, locator and notes as the window shows them afterwards. Exit status 0\n"
           "when the station was found, 1 otherwise, 2 when the file is missing.\n";
}

int RunLocatorCommand(const CommandLine& line) {
    const std::vector<std::string>& args = line.Operands;
    HeadlessWindow window;
    MainWindowModel& form = window.Form;
    if (args.size() == 1) {
        form.PutText(form.txtLocatorHome, args[0]);
    } else if (args.size() == 8) {
        form.PutText(form.txtLocatorHome, "");
        form.PutText(form.txtLatDegHome, args[0]);
        form.PutText(form.txtLatMinHome, args[1]);
        form.PutText(form.txtLatSecHome, args[2]);
        form.PutComboText(form.cboLatDirHome, args[3]);
        form.PutText(form.txtLonDegHome, args[4]);
        form.PutText(form.txtLonMinHome, args[5]);
        form.PutText(form.txtLonSecHome, args[6]);
        form.PutComboText(form.cboLonDirHome, args[7]);
    } else {
        return Usage(LocatorUsage(), "locator takes a locator or eight coordinate fields");
    }
    form.cmdLocatorHomeCalc_Click();
    if (window.Messages.count > 0) {
        return 2;
    }
    std::cout << form.txtLocatorHome.Text << ' ' << form.txtLatDegHome.Text << ' '
              << form.txtLatMinHome.Text << ' ' << form.txtLatSecHome.Text << ' '
              << form.cboLatDirHome.Text << ' ' << form.txtLonDegHome.Text << ' '
              << form.txtLonMinHome.Text << ' ' << form.txtLonSecHome.Text << ' '
              << form.cboLonDirHome.Text << '\n';
    return 0;
}

int RunLookupCommand(const CommandLine& line) {
    if (line.Operands.empty()) {
        return Usage(LookupUsage(), "lookup needs a callsign");
    }
    if (auto problem = UnexpectedArgument(line, 1)) {
        return Usage(LookupUsage(), *problem);
    }
    std::string file = kStationListFileName;
    std::optional<std::string> browse;
    for (const auto& [option, value] : line.Options) {
        if (option == "--file") {
            file = value;
        } else if (value == "next" || value == "prev") {
            browse = value;  // --browse
        } else {
            return Usage(LookupUsage(), "--browse takes next or prev, not " + value);
        }
    }

    HeadlessWindow window;
    MainWindowModel& form = window.Form;
    FileTextStorage list(file);
    form.Stations.List = &list;
    form.PutText(form.txtCallsignHome, line.Operands[0]);
    if (browse) {
        form.PutText(form.txtSearch, *browse == "next" ? "]]]]]" : "[[[[[");
    }
    form.cmdHomeLookup_Click();
    if (form.EndRequested()) {
        return 2;  // the station list is missing; the message is on standard error
    }
    // What the window shows of the search: the status box when it stands, otherwise the first
    // message box (the search's own; a calculation message may follow it).
    const std::string shown = form.txtDateCalc.Visible && !form.txtDateCalc.Text.empty()
                                  ? form.txtDateCalc.Text
                                  : window.Messages.first;
    std::cout << shown << '\n'
              << form.FoundRecordNumber << '\n'
              << form.txtCallsignHome.Text << '\n'
              << form.txtLocatorHome.Text << '\n'
              << form.txtNotesHome.Text << '\n';
    return form.StatusShowsFind() ? 0 : 1;
}

}  // namespace velmorant
