// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station_listing.h"

#include <string>
#include <unordered_set>

#include "stations/line_reader.h"
#include "stations/station_fields.h"
#include "stations/station_list.h"

namespace velmorant {

namespace {

bool Matches(std::string_view callsign, std::string_view pattern) {
    const std::size_t star = pattern.find('*');
    if (star == std::string_view::npos) {
        return callsign == pattern;
    }
    return callsign.substr(0, star) == pattern.substr(0, star);
}

}  // namespace

std::vector<StationRecord> ListStations(std::string_view fileText, std::string_view pattern) {
    const std::string_view wanted = pattern.empty() ? std::string_view("*") : pattern;
    std::vector<StationRecord> stations;
    // Callsigns whose first placing line (or stopping line) has been seen.
    std::unordered_set<std::string_view> settled;
    LineReader reader(fileText);
    std::string_view line;
    for (int lineNumber = 1; reader.Next(line); ++lineNumber) {
        const StationLineKind kind = KindOfLine(line);
        if (kind == StationLineKind::End) {
            break;
        }
        if (kind == StationLineKind::Comment) {
            continue;
        }
        const LineFields fields = SplitAtCommas(line);
        if (!fields.HasFirstComma) {
            break;
        }
        if (settled.count(fields.Callsign) != 0 || !Matches(fields.Callsign, wanted)) {
            continue;
        }
        if (!fields.HasSecondComma) {
            settled.insert(fields.Callsign);
            continue;
        }
        if (fields.Locator.size() < kShortestLocator) {
            continue;  // a later line of the callsign may place it
        }
        settled.insert(fields.Callsign);
        stations.push_back(StationRecord{std::string(fields.Callsign),
                                         DeliveredLocator(fields.Locator),
                                         DeliveredNotes(fields.Rest), lineNumber});
    }
    return stations;
}

}  // namespace velmorant
