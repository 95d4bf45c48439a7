// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/callsign_search.h"

#include <span>
#include <string>

#include <gtest/gtest.h>

#include "station_fixtures.h"

namespace velmorant {

namespace {

using station_tests::Fixture;
using station_tests::LongList;
using station_tests::LongListCallsign;

struct SearchCase {
    std::string Callsign;  // as the lookup passes it
    SearchOutcome Outcome;
    StationRecord Record;  // what the window receives
};

void ExpectSearches(const std::string& text, std::span<const SearchCase> cases) {
    for (const SearchCase& c : cases) {
        const SearchResult result = SearchCallsign(text, c.Callsign, BrowseRequest::None);
        EXPECT_EQ(result.Outcome, c.Outcome) << '"' << c.Callsign << '"';
        EXPECT_EQ(result.Record, c.Record) << '"' << c.Callsign << '"';
        EXPECT_FALSE(result.BrowseCompleted) << '"' << c.Callsign << '"';
    }
}

TEST(SearchCallsign, FindsStationsAndReadsTheirFields) {
    using enum SearchOutcome;
    const SearchCase cases[] = {
        // Record numbers count the three comment lines on top.
        {"3Z9AB", ExactMatch, {"3Z9AB", "KO02md", "first station", 4}},
        // A four-character locator (with a trailing blank) is completed with mm.
        {"DL1ABC", ExactMatch, {"DL1ABC", "JO62mm", "four-character locator", 5}},
        // Line 6 has a three-character locator: passed over, the later line is found.
        {"DL2SHORT", ExactMatch, {"DL2SHORT", "JO62qk", "the later line of the same callsign", 7}},
        // Notes keep their commas and inner blanks.
        {"G4ABC", ExactMatch, {"G4ABC", "IO91vl", "EME 2M 4x17el 1kW, notes with commas", 9}},
        // Trimmed first, then cut to 65 characters: the 65th happens to be a blank.
        {"OH2XYZ",
         ExactMatch,
         {"OH2XYZ", "KP20le", "Notes longer than sixty-five characters are cut there: this text ",
          11}},
        {"PA0ABC", ExactMatch, {"PA0ABC", "JO22ob", "notes with trailing blanks", 12}},
        {"VK2ABC", ExactMatch, {"VK2ABC", "QF56od", "last station", 13}},
    };
    ExpectSearches(Fixture("search"), cases);
}

TEST(SearchCallsign, NotFoundLeavesTheCallsignAndEmptiesTheRest) {
    using enum SearchOutcome;
    const SearchCase cases[] = {
        {"XX9XX", NotFound, {"XX9XX", "", "", 0}},
        // The file's "G4AB " has a blank before the comma.
        {"G4AB", NotFound, {"G4AB", "", "", 0}},
        // Upper-casing is the lookup button's job: the search compares codes as they are.
        {"dl1abc", NotFound, {"dl1abc", "", "", 0}},
        // Below the end line nothing is read.
        {"W1AW", NotFound, {"W1AW", "", "", 0}},
        {"Q*", NotFound, {"Q*", "", "", 0}},
        {"", NotFound, {"", "", "", 0}},
    };
    ExpectSearches(Fixture("search"), cases);
}

TEST(SearchCallsign, StarEndsTheComparedPart) {
    using enum SearchOutcome;
    const SearchCase cases[] = {
        // "*" alone compares nothing: the first station line with a usable locator.
        {"*", ExactMatch, {"3Z9AB", "KO02md", "first station", 4}},
        // A longer callsign shares the prefix: it replaces the typed text.
        {"DL*", ExactMatch, {"DL1ABC", "JO62mm", "four-character locator", 5}},
        {"DL2S*", ExactMatch, {"DL2SHORT", "JO62qk", "the later line of the same callsign", 7}},
        // The file's callsign comes back as written, blank included.
        {"G4AB*", ExactMatch, {"G4AB ", "IO91wm", "callsign with a trailing blank", 8}},
        // Only the first "*" counts; what follows it is not compared.
        {"K1*XYZ*", ExactMatch, {"K1ABCDEFGHIJKLM", "FN42aa", "a 15-character callsign", 10}},
        // A first match exactly as long as the prefix: closest match, not exact.
        {"VK2ABC*", ClosestMatch, {"VK2ABC", "QF56od", "last station", 13}},
    };
    ExpectSearches(Fixture("search"), cases);
}

TEST(SearchCallsign, LongCallsignsAreFoundWholeAndOfferedAsClosestByFifteenCharacters) {
    using enum SearchOutcome;
    const SearchCase cases[] = {
        {"K1ABCDEFGHIJKLM",
         ExactMatch,
         {"K1ABCDEFGHIJKLM", "FN42aa", "a 15-character callsign", 10}},
        // Shares 14 characters only: not even close.
        {"K1ABCDEFGHIJKLZ", NotFound, {"K1ABCDEFGHIJKLZ", "", "", 0}},
        // A longer callsign that is not in the file, but shares the first 15 characters of
        // one that is: that one is offered as the closest match.
        {"K1ABCDEFGHIJKLMN",
         ClosestMatch,
         {"K1ABCDEFGHIJKLM", "FN42aa", "a 15-character callsign", 10}},
    };
    ExpectSearches(Fixture("search"), cases);

    // Two portable callsigns that differ only in their 16th character.
    const std::string portable =
        "VK9X/DL1ABCDE/P1,OH29aa,first\r\nVK9X/DL1ABCDE/P2,OH29bb,second\r\nZZZZZZ\r\n";
    const SearchCase whole[] = {
        {"VK9X/DL1ABCDE/P2", ExactMatch, {"VK9X/DL1ABCDE/P2", "OH29bb", "second", 2}},
        {"VK9X/DL1ABCDE/P1", ExactMatch, {"VK9X/DL1ABCDE/P1", "OH29aa", "first", 1}},
        {"VK9X/DL1ABCDE/P3", ClosestMatch, {"VK9X/DL1ABCDE/P1", "OH29aa", "first", 1}},
        {"VK9X/DL1ABCDE/P", ClosestMatch, {"VK9X/DL1ABCDE/P1", "OH29aa", "first", 1}},
    };
    ExpectSearches(portable, whole);
}

TEST(SearchCallsign, LinesWithTooFewCommasEndTheScan) {
    using enum SearchOutcome;
    const SearchCase cases[] = {
        {"DL1AA", ExactMatch, {"DL1AA", "JO62qm", "first station", 2}},
        // Its own line has one comma: found there, without locator or notes.
        {"SM5ABC", ExactMatch, {"SM5ABC", "", "", 3}},
        // Passed over for its short locator, then stopped by the comma-less line 5; the last
        // callsign read was its own, so it counts as found at line 5 with what was gathered.
        {"DL3CC", ExactMatch, {"DL3CC", "JO3", "", 5}},
        // Stopped at line 5 after other callsigns: no message, nothing to show.
        {"W1AW", Silent, {"W1AW", "", "", 5}},
        {"XX9XX", Silent, {"XX9XX", "", "", 5}},
    };
    ExpectSearches(Fixture("scan-stops"), cases);
}

TEST(SearchCallsign, ShortLocatorsAndTheEndOfTheList) {
    using enum SearchOutcome;
    // The only line of the callsign has a short locator: the search reaches the end line.
    const std::string shortOnly = "DL3CC,JO3,x\r\nK1ABCDEFGHIJKLM,FN4,y\r\nZZZZZZ\r\n";
    const SearchCase cases[] = {
        {"DL3CC", NotFound, {"DL3CC", "", "", 0}},
        // A closest match keeps the short locator of the line it offers.
        {"K1ABCDEFGHIJKLMN", ClosestMatch, {"K1ABCDEFGHIJKLM", "FN4", "", 2}},
    };
    ExpectSearches(shortOnly, cases);

    // An empty line has no comma either.
    const std::string emptyLine = "DL1AA,JO62qm,a\r\n\r\nW1AW,FN31pr,b\r\nZZZZZZ\r\n";
    const SearchCase stopped[] = {{"W1AW", Silent, {"W1AW", "", "", 2}}};
    ExpectSearches(emptyLine, stopped);
}

TEST(SearchCallsign, EveryLineEndAndNoEndLine) {
    using enum SearchOutcome;
    // Without an end line the end of the text acts as one, on the line after the last.
    const std::string texts[] = {
        "// c\r\nDL1AA,JO62qm,first\r\nW1AW,FN31pr,second\r\nZZZZZZ\r\n",
        "// c\nDL1AA,JO62qm,first\nW1AW,FN31pr,second\nZZZZZZ\n",
        "// c\rDL1AA,JO62qm,first\rW1AW,FN31pr,second\rZZZZZZ\r",
        "// c\r\nDL1AA,JO62qm,first\r\nW1AW,FN31pr,second\r\n",
        "// c\nDL1AA,JO62qm,first\rW1AW,FN31pr,second",
    };
    const SearchCase cases[] = {
        {"DL1AA", ExactMatch, {"DL1AA", "JO62qm", "first", 2}},
        {"W1AW", ExactMatch, {"W1AW", "FN31pr", "second", 3}},
        {"XX9XX", NotFound, {"XX9XX", "", "", 0}},
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        ExpectSearches(text, cases);
    }
    const SearchCase empty[] = {{"DL1AA", NotFound, {"DL1AA", "", "", 0}}};
    ExpectSearches("", empty);
}

TEST(SearchCallsign, RecordNumbersOfALongListHaveNoLimit) {
    const int stations = 12000;
    const std::string text = LongList(stations);
    const SearchResult last = SearchCallsign(text, LongListCallsign(stations), BrowseRequest::None);
    EXPECT_EQ(last.Outcome, SearchOutcome::ExactMatch);
    EXPECT_EQ(last.Record.RecordNumber, stations + 3);
    EXPECT_EQ(last.Record.Locator, "JN58td");
}

}  // namespace
}  // namespace velmorant
