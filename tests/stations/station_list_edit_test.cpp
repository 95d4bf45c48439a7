// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station_list_edit.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "station_fixtures.h"
#include "stations/callsign_search.h"
#include "stations/station_list.h"

namespace velmorant {
namespace {

using station_tests::Fixture;
using station_tests::LongList;
using station_tests::LongListCallsign;

constexpr std::string_view kNewLine = "NEW,AA00aa,the new line";

// The lines as a rewrite writes them: each with CR LF.
std::string Joined(const std::vector<std::string_view>& lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// The edit fixture as every rewrite keeps it: through the end line (its lines 1-10).
std::string KeptEditFixture() {
    const std::string text = Fixture("edit");
    return text.substr(0, text.find("ZZZZZZ\r\n") + 8);
}

TEST(EditStationList, AddPutsTheLineInCallsignOrder) {
    const std::string text = Fixture("edit");
    const std::string keptText = KeptEditFixture();
    const std::vector<std::string_view> kept = SplitStationLines(keptText);
    ASSERT_EQ(kept.size(), 10u);
    const struct {
        std::string Callsign;
        std::size_t Line;  // where the new line ends up, 1-based
    } cases[] = {
        {"A1AA", 3},   // below every station: after the comments, before the first station
        {"DL1AB", 3},  // a prefix sorts below the longer callsign
        {"DL9ZZ", 4},  // right after DL1ABC: the empty line does not count
        {"K1ABC", 6},  // after G4ABC, before the line without a comma
        {"OE3AAA", 6},
        {"PA0ZZA", 8},    // after OE3XYZ: the one-comma line PA0ZZZ does not count
        {"SM5XYZA", 10},  // after the last station, before the end line
        {"\xC4"
         "A",
         10},              // 8-bit codes sort above the capitals (unsigned bytes)
        {"SM5XYZ   ", 8},  // compared right-trimmed: equal to SM5XYZ, so not above it
    };
    for (const auto& c : cases) {
        std::vector<std::string_view> expected = kept;
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(c.Line - 1), kNewLine);
        EXPECT_EQ(EditStationList(text, StationEdit::Add, 0, c.Callsign, kNewLine),
                  Joined(expected))
            << c.Callsign;
    }
}

TEST(EditStationList, AddWhereTheListHasNoPlaceYet) {
    const struct {
        std::string_view Text;
        std::string Callsign;
        std::string_view Expected;
    } cases[] = {
        // No station line: before the end line, or at the end of a list without one.
        {"// a\r\n// b\r\nZZZZZZ\r\n", "K1ABC",
         "// a\r\n// b\r\nNEW,AA00aa,the new line\r\nZZZZZZ\r\n"},
        {"// a\r\nno comma\r\nK1AB,FN42\r\nZZZZZZ", "K1ABC",
         "// a\r\nno comma\r\nK1AB,FN42\r\nNEW,AA00aa,the new line\r\nZZZZZZ\r\n"},
        {"// a\r\n// b", "K1ABC", "// a\r\n// b\r\nNEW,AA00aa,the new line\r\n"},
        {"", "K1ABC", "NEW,AA00aa,the new line\r\n"},
        // Without an end line, after the last station line, which may be the last line.
        {"B,x,y\r\nD,x,y", "K1ABC", "B,x,y\r\nD,x,y\r\nNEW,AA00aa,the new line\r\n"},
        // A comment between stations stays below the station above it.
        {"// top\r\nB,x,y\r\n// mid\r\nD,x,y\r\nZZZZZZ\r\n", "C",
         "// top\r\nB,x,y\r\nNEW,AA00aa,the new line\r\n// mid\r\nD,x,y\r\nZZZZZZ\r\n"},
        // Out of order: after the last line in file order that sorts below.
        {"B,x,y\r\nM,x,y\r\nA,x,y\r\nZZZZZZ\r\n", "C",
         "B,x,y\r\nM,x,y\r\nA,x,y\r\nNEW,AA00aa,the new line\r\nZZZZZZ\r\n"},
        // The stored callsign is compared right-trimmed too: "B" sorts below "B" followed by a
        // tab, "B " would not (a tab's code is below the blank's).
        {"B ,x,y\r\nZZZZZZ\r\n", "B\t", "B ,x,y\r\nNEW,AA00aa,the new line\r\nZZZZZZ\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EditStationList(c.Text, StationEdit::Add, 0, c.Callsign, kNewLine), c.Expected)
            << testing::PrintToString(c.Text);
    }
}

TEST(EditStationList, ReplaceKeepsThePlaceAndDeleteRemovesOneLine) {
    const std::string text = Fixture("edit");
    const std::string kept = KeptEditFixture();
    std::vector<std::string_view> replaced = SplitStationLines(kept);
    replaced[4] = kNewLine;
    EXPECT_EQ(EditStationList(text, StationEdit::Replace, 5, "G4ABC", kNewLine), Joined(replaced));

    std::vector<std::string_view> deleted = SplitStationLines(kept);
    deleted.erase(deleted.begin() + 8);
    EXPECT_EQ(EditStationList(text, StationEdit::Delete, 9, "SM5XYZ", kNewLine), Joined(deleted));
    deleted.erase(deleted.begin() + 2);
    EXPECT_EQ(EditStationList(EditStationList(text, StationEdit::Delete, 9, "SM5XYZ", kNewLine),
                              StationEdit::Delete, 3, "DL1ABC", kNewLine),
              Joined(deleted));
}

TEST(EditStationList, OnlyStationLinesAreReplacedOrDeleted) {
    const std::string text = Fixture("edit");
    // Comment, empty line, no comma, one comma, end line, after the end line, outside.
    for (const int record : {1, 4, 6, 8, 10, 11, 0, -3, 99}) {
        for (const StationEdit edit : {StationEdit::Replace, StationEdit::Delete}) {
            EXPECT_EQ(EditStationList(text, edit, record, "G4ABC", kNewLine), KeptEditFixture())
                << "record " << record;
        }
    }
}

TEST(EditStationList, WritesCrLfAndCopiesEveryOtherByte) {
    // The fixture is CR LF already: kept lines come back byte for byte (8-bit notes and
    // trailing blanks included), and the text after the end line is gone.
    const std::string text = Fixture("edit");
    const std::string added = EditStationList(text, StationEdit::Add, 0, "K1ABC", kNewLine);
    std::string expected = KeptEditFixture();
    expected.insert(expected.find("a line without"), std::string(kNewLine) + "\r\n");
    EXPECT_EQ(added, expected);

    // Lone LF or CR line ends, or a last line without one, are written as CR LF.
    const struct {
        std::string_view Text;
        std::string_view Expected;
    } cases[] = {
        {"// c\nB,x,y\nD,x, y \nZZZZZZ\nafter\n",
         "// c\r\nB,x,y\r\nNEW,AA00aa,the new line\r\nD,x, y \r\nZZZZZZ\r\n"},
        {"// c\rB,x,y\rD,x, y \rZZZZZZ",
         "// c\r\nB,x,y\r\nNEW,AA00aa,the new line\r\nD,x, y \r\nZZZZZZ\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EditStationList(c.Text, StationEdit::Add, 0, "C", kNewLine), c.Expected);
    }
}

TEST(EditStationList, KeepsEveryLineOfALongList) {
    const int stations = 12000;
    const std::string text = LongList(stations);
    const std::string callsign = LongListCallsign(5000) + "A";
    const std::string added = EditStationList(text, StationEdit::Add, 0, callsign, kNewLine);
    std::vector<std::string_view> expected = SplitStationLines(text);
    expected.insert(expected.begin() + 5003, kNewLine);  // after K005000 on line 5003
    EXPECT_EQ(added, Joined(expected));
    std::string deleted = text;
    const std::string lastLine = LongListCallsign(stations) + ",JN58td,EME 2M 4x17el 1kW\r\n";
    deleted.erase(deleted.find(lastLine), lastLine.size());
    EXPECT_EQ(EditStationList(text, StationEdit::Delete, stations + 3, "", kNewLine), deleted);
}

TEST(EditStationList, TheLookupFindsWhatWasWritten) {
    // Add, replace and delete a station and look it up after each rewrite.
    const std::string text = Fixture("search");
    const std::string added =
        EditStationList(text, StationEdit::Add, 0, "K1ABC", StationLine("K1ABC", "FN42", ""));
    const SearchResult found = SearchCallsign(added, "K1ABC", BrowseRequest::None);
    EXPECT_EQ(found.Outcome, SearchOutcome::ExactMatch);
    EXPECT_EQ(found.Record, (StationRecord{"K1ABC", "FN42mm", ",EME,,,,", 10}));

    const std::string replaced = EditStationList(added, StationEdit::Replace, 10, "K1ABC",
                                                 StationLine("K1ABC", "FN42aa", "EME 70cm"));
    EXPECT_EQ(SearchCallsign(replaced, "K1ABC", BrowseRequest::None).Record,
              (StationRecord{"K1ABC", "FN42aa", "EME 70cm", 10}));

    const std::string deleted = EditStationList(replaced, StationEdit::Delete, 10, "K1ABC", "");
    EXPECT_EQ(SearchCallsign(deleted, "K1ABC", BrowseRequest::None).Outcome,
              SearchOutcome::NotFound);
    EXPECT_EQ(deleted, text.substr(0, text.find("ZZZZZZ\r\n") + 8));
}

TEST(StationLine, CommaSeparatedWithTheDefaultNotes) {
    EXPECT_EQ(StationLine("DL1ABC", "JO62qm", "EME 2M 4x17el"), "DL1ABC,JO62qm,EME 2M 4x17el");
    EXPECT_EQ(StationLine("DL1ABC", "JO62qm", ""), "DL1ABC,JO62qm,,EME,,,,");
    // Written as given: the dialog's fields are not checked or trimmed.
    EXPECT_EQ(StationLine("DL1ABC", "JO62 ", " a, b "), "DL1ABC,JO62 , a, b ");
}

}  // namespace
}  // namespace velmorant
