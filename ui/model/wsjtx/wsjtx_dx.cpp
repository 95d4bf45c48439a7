// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/wsjtx/wsjtx_dx.h"

#include <algorithm>
#include <cctype>

#include "stations/callsign_search.h"
#include "stations/locator.h"
#include "stations/station_list.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/main_window/main_window_model.h"

namespace velmorant {

namespace {

constexpr const char* kDeGridWarning = "WSJT-X's grid ";

// Blanks around dropped, upper-cased: a callsign as the lookup button searches it, a grid's
// square as the squares are compared.
std::string Tidy(std::string text) {
    const auto first = text.find_first_not_of(' ');
    text = first == std::string::npos ? std::string() : text.substr(first);
    text.erase(text.find_last_not_of(' ') + 1);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string Square(const std::string& locator) {
    return Tidy(locator).substr(0, 4);
}

// The longest callsign taken, characters: a prefix, a call and a suffix with their strokes.
constexpr std::size_t kLongestCall = 16;

// The callsign of a Status as the lookup button would search it; empty when it is none (the
// text comes from the network: only letters, digits and strokes are taken). WSJT-X writes a
// call it knows only by its hash in angle brackets.
std::string CallOf(const std::string& text) {
    std::string call = Tidy(text);
    if (call.size() >= 2 && call.front() == '<' && call.back() == '>') {
        call = call.substr(1, call.size() - 2);
    }
    const bool usable =
        call.size() <= kLongestCall && std::all_of(call.begin(), call.end(), [](unsigned char c) {
            return std::isupper(c) || std::isdigit(c) || c == '/';
        });
    return usable ? call : std::string();
}

// The grid of a Status; empty when it is not a locator.
std::string GridOf(const std::string& text) {
    const std::string grid = Tidy(text);
    return IsLocatorText(grid) ? grid : std::string();
}

}  // namespace

bool WsjtxDxFollower::IsFollowerText(const std::string& text) {
    return text.starts_with(kWsjtxDxStatus) || text.starts_with(kDeGridWarning);
}

bool WsjtxDxFollower::TakeStatus(MainWindowModel& form, const WsjtxStations& stations) {
    std::string status;
    bool filled = false;
    const std::pair dx{CallOf(stations.DxCall), GridOf(stations.DxGrid)};
    if (dx != lastDx_ && !(dx.first.empty() && dx.second.empty())) {
        filled = FillDx(form, dx.first, dx.second, status);
    }
    lastDx_ = dx;
    if (const auto warning = DeGridWarning(form, stations.DeGrid)) {
        status += (status.empty() ? "" : "; ") + *warning;
    }
    if (!status.empty()) {
        form.PutText(form.txtDateCalc, status);
        form.Show(form.txtDateCalc, true);
    }
    return filled;
}

bool WsjtxDxFollower::FillDx(MainWindowModel& form, const std::string& call,
                             const std::string& grid, std::string& status) {
    status =
        std::string(kWsjtxDxStatus) + " " + call + (call.empty() || grid.empty() ? "" : " ") + grid;
    // The list is read afresh: the operator may have added the station a moment ago.
    if (!call.empty() && form.Stations.List != nullptr) {
        if (const auto text = form.Stations.List->ReadAll()) {
            const SearchResult found = SearchCallsign(*text, call, BrowseRequest::None);
            if (found.Outcome == SearchOutcome::ExactMatch) {
                form.ShowFoundStation(kDXRow, found.Record);
                return true;
            }
        }
    }
    if (grid.empty()) {
        status += " is not in " + std::string(kStationListFileName) +
                  " and came without a grid; the DX row is kept";
        return false;
    }
    form.PutText(form.txtCallsignDX, call);
    form.PutText(form.txtNotesDX, "");
    form.Show(form.txtNotesDX, false);
    form.PutText(form.txtLocatorDX, grid);
    form.cmdLocatorDXCalc_Click();
    return true;
}

std::optional<std::string> WsjtxDxFollower::DeGridWarning(const MainWindowModel& form,
                                                          const std::string& deGrid) {
    const std::string theirs = Square(GridOf(deGrid));
    const std::string home = Square(form.txtLocatorHome.Text);
    if (theirs.size() < 4 || home.size() < 4 || theirs == home) {
        return std::nullopt;
    }
    const std::string pair = theirs + " " + home;
    if (pair == warnedPair_) {
        return std::nullopt;
    }
    warnedPair_ = pair;
    return kDeGridWarning + theirs + " is outside the Home locator's square " + home +
           ": check Home or WSJT-X's settings";
}

}  // namespace velmorant
