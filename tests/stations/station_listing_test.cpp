// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station_listing.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "station_fixtures.h"
#include "stations/callsign_search.h"
#include "stations/line_reader.h"
#include "stations/station_fields.h"

namespace velmorant {
namespace {

using station_tests::Fixture;

std::vector<std::string> Callsigns(const std::vector<StationRecord>& records) {
    std::vector<std::string> callsigns;
    for (const StationRecord& record : records) {
        callsigns.push_back(record.Callsign);
    }
    return callsigns;
}

// Every station listed is what the lookup's exact find of its callsign delivers, and every
// callsign of the file that such a find places (a locator of four characters or more) is listed.
TEST(ListStations, ListsExactlyTheStationsTheLookupFinds) {
    for (const char* topic : {"search", "scan-stops", "edit"}) {
        const std::string text = Fixture(topic);
        const std::vector<StationRecord> listed = ListStations(text, "");
        for (const StationRecord& record : listed) {
            const SearchResult found = SearchCallsign(text, record.Callsign, BrowseRequest::None);
            EXPECT_EQ(found.Outcome, SearchOutcome::ExactMatch) << topic << " " << record.Callsign;
            EXPECT_EQ(found.Record, record) << topic;
        }
        LineReader reader(text);
        std::string_view line;
        while (reader.Next(line)) {
            const LineFields fields = SplitAtCommas(line);
            if (!fields.HasFirstComma || line.starts_with("//")) {
                continue;
            }
            const std::string callsign(fields.Callsign);
            const SearchResult found = SearchCallsign(text, callsign, BrowseRequest::None);
            const bool placed = found.Outcome == SearchOutcome::ExactMatch &&
                                found.Record.Locator.size() >= kShortestLocator;
            const auto names = Callsigns(listed);
            EXPECT_EQ(std::find(names.begin(), names.end(), callsign) != names.end(), placed)
                << topic << " " << callsign;
        }
    }
}

TEST(ListStations, APatternComparesTheCharactersBeforeItsStar) {
    const std::string text = Fixture("search");
    EXPECT_EQ(Callsigns(ListStations(text, "DL*")),
              (std::vector<std::string>{"DL1ABC", "DL2SHORT"}));
    EXPECT_EQ(Callsigns(ListStations(text, "VK2ABC")), (std::vector<std::string>{"VK2ABC"}));
    EXPECT_EQ(ListStations(text, "*").size(), ListStations(text, "").size());
    EXPECT_TRUE(ListStations(text, "W1*").empty()) << "nothing after the end line is read";
    // A line without a comma ends every search, and so the list.
    EXPECT_EQ(Callsigns(ListStations(Fixture("scan-stops"), "*")),
              (std::vector<std::string>{"DL1AA"}));
}

}  // namespace
}  // namespace velmorant
