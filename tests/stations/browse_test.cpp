// SPDX-License-Identifier: GPL-3.0-or-later
#include <span>
#include <string>

#include <gtest/gtest.h>

#include "station_fixtures.h"
#include "stations/callsign_search.h"

namespace velmorant {
namespace {

using station_tests::Fixture;
using station_tests::LongList;
using station_tests::LongListCallsign;

struct BrowseCase {
    std::string Callsign;  // found first, then left for the neighbouring line
    BrowseRequest Browse;
    SearchOutcome Outcome;
    StationRecord Record;  // what the window receives
    bool Completed;        // the browse request is to be cleared
};

void ExpectBrowses(const std::string& text, std::span<const BrowseCase> cases) {
    for (const BrowseCase& c : cases) {
        const SearchResult result = SearchCallsign(text, c.Callsign, c.Browse);
        const bool up = c.Browse == BrowseRequest::Previous;
        EXPECT_EQ(result.Outcome, c.Outcome) << c.Callsign << (up ? " up" : " down");
        EXPECT_EQ(result.Record, c.Record) << c.Callsign << (up ? " up" : " down");
        EXPECT_EQ(result.BrowseCompleted, c.Completed) << c.Callsign << (up ? " up" : " down");
    }
}

TEST(Browse, StepsToTheNeighbouringLineWithoutComparing) {
    using enum SearchOutcome;
    constexpr BrowseRequest up = BrowseRequest::Previous;
    constexpr BrowseRequest down = BrowseRequest::Next;
    const BrowseCase cases[] = {
        {"DL1ABC", up, Browsed, {"3Z9AB", "KO02md", "first station", 4}, true},
        {"G4ABC", up, Browsed, {"G4AB ", "IO91wm", "callsign with a trailing blank", 8}, true},
        {"G4ABC",
         down,
         Browsed,
         {"K1ABCDEFGHIJKLM", "FN42aa", "a 15-character callsign", 10},
         true},
        {"PA0ABC",
         up,
         Browsed,
         {"OH2XYZ", "KP20le", "Notes longer than sixty-five characters are cut there: this text ",
          11},
         true},
        // Browsing works from a match found through a "*" as well.
        {"VK*", up, Browsed, {"PA0ABC", "JO22ob", "notes with trailing blanks", 12}, true},
    };
    ExpectBrowses(Fixture("search"), cases);
}

TEST(Browse, OntoACommentOrTheEndLineIsNotFound) {
    using enum SearchOutcome;
    const BrowseCase cases[] = {
        // Line 3 is a comment (with commas, so its "locator" passes the length check).
        {"3Z9AB", BrowseRequest::Previous, NotFound, {"3Z9AB", "", "", 0}, true},
        {"VK2ABC", BrowseRequest::Next, NotFound, {"VK2ABC", "", "", 0}, true},
    };
    ExpectBrowses(Fixture("search"), cases);
}

TEST(Browse, AShortLocatorStopsTheStepHalfway) {
    using enum SearchOutcome;
    // Line 6 has the locator JO6: the record keeps the callsign found, carries the short
    // locator and the new number, and the request stays pending.
    const BrowseCase cases[] = {
        {"DL1ABC", BrowseRequest::Next, BrowseStopped, {"DL1ABC", "JO6", "", 6}, false},
        {"DL2SHORT", BrowseRequest::Previous, BrowseStopped, {"DL2SHORT", "JO6", "", 6}, false},
    };
    ExpectBrowses(Fixture("search"), cases);
}

TEST(Browse, OnlyAfterAnExactFind) {
    using enum SearchOutcome;
    const BrowseCase cases[] = {
        {"XX9XX", BrowseRequest::Next, NotFound, {"XX9XX", "", "", 0}, false},
        {"VK2ABC*",
         BrowseRequest::Previous,
         ClosestMatch,
         {"VK2ABC", "QF56od", "last station", 13},
         false},
    };
    ExpectBrowses(Fixture("search"), cases);
    const BrowseCase silent[] = {
        {"W1AW", BrowseRequest::Next, Silent, {"W1AW", "", "", 5}, false},
    };
    ExpectBrowses(Fixture("scan-stops"), silent);
}

TEST(Browse, AtTheEdgesOfTheText) {
    using enum SearchOutcome;
    // Above line 1 nothing is read: the found line is taken again, numbered 0.
    const BrowseCase first[] = {
        {"DL1AA", BrowseRequest::Previous, Browsed, {"DL1AA", "JO62qm", "first", 0}, true},
    };
    ExpectBrowses("DL1AA,JO62qm,first\r\nZZZZZZ\r\n", first);
    // Past the last line of a list without an end line: as if onto the end line. Lone CR and
    // lone LF line ends are stepped over alike.
    const BrowseCase last[] = {
        {"W1AW", BrowseRequest::Next, NotFound, {"W1AW", "", "", 0}, true},
        {"W1AW", BrowseRequest::Previous, Browsed, {"DL1AA", "JO62qm", "first", 2}, true},
    };
    ExpectBrowses("// c\nDL1AA,JO62qm,first\rW1AW,FN31pr,second", last);
    // Onto a line with one comma or with none: a station without locator, or even callsign.
    const BrowseCase odd[] = {
        {"W1AW", BrowseRequest::Previous, Browsed, {"SM5ABC", "", "", 2}, true},
        {"W1AW", BrowseRequest::Next, Browsed, {"", "", "", 4}, true},
    };
    ExpectBrowses("DL1AA,JO62qm,a\r\nSM5ABC,JP90\r\nW1AW,FN31pr,b\r\nno comma\r\nZZZZZZ\r\n", odd);
}

TEST(Browse, ThroughALongList) {
    const int stations = 12000;
    const std::string text = LongList(stations);
    const SearchResult up =
        SearchCallsign(text, LongListCallsign(stations), BrowseRequest::Previous);
    EXPECT_EQ(up.Outcome, SearchOutcome::Browsed);
    EXPECT_EQ(up.Record.Callsign, LongListCallsign(stations - 1));
    EXPECT_EQ(up.Record.RecordNumber, stations + 2);
    const SearchResult down = SearchCallsign(text, LongListCallsign(stations), BrowseRequest::Next);
    EXPECT_EQ(down.Outcome, SearchOutcome::NotFound);
}

}  // namespace
}  // namespace velmorant
