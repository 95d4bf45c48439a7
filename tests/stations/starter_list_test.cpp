// SPDX-License-Identifier: GPL-3.0-or-later
// The CALL3.TXT shipped in data/: its form, and that every station in it can be looked up.

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "stations/callsign_search.h"
#include "stations/station_fields.h"
#include "stations/station_list.h"
#include "stations/text_file.h"

namespace velmorant {
namespace {

constexpr int kCommentLines = 17;

std::string StarterList() {
    const auto text = ReadTextFile(std::string(VELMORANT_DATA) + "/CALL3.TXT");
    EXPECT_TRUE(text.has_value());
    return text.value_or("");
}

bool IsSixCharacterLocator(std::string_view l) {
    return l.size() == 6 && l[0] >= 'A' && l[0] <= 'R' && l[1] >= 'A' && l[1] <= 'R' &&
           std::isdigit(static_cast<unsigned char>(l[2])) &&
           std::isdigit(static_cast<unsigned char>(l[3])) && l[4] >= 'a' && l[4] <= 'x' &&
           l[5] >= 'a' && l[5] <= 'x';
}

TEST(StarterList, CommentsSortedStationsAndTheEndLine) {
    const std::string text = StarterList();
    ASSERT_TRUE(text.ends_with("\r\nZZZZZZ\r\n"));
    // CR LF only: as many CRs as LFs, each CR followed by its LF.
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            ASSERT_EQ(text[i + 1], '\n') << "at byte " << i;
            ++lineEnds;
        } else {
            ASSERT_TRUE(text[i] != '\n' || text[i - 1] == '\r') << "at byte " << i;
        }
    }
    const std::vector<std::string_view> lines = SplitStationLines(text);
    ASSERT_EQ(lines.size(), lineEnds);

    for (int i = 0; i < kCommentLines; ++i) {
        EXPECT_EQ(KindOfLine(lines[i]), StationLineKind::Comment) << "line " << i + 1;
    }
    const std::size_t stations = lines.size() - kCommentLines - 1;
    EXPECT_GE(stations, 35u);
    EXPECT_LE(stations, 50u);
    std::string_view previous;
    for (std::size_t i = kCommentLines; i + 1 < lines.size(); ++i) {
        const std::string_view line = lines[i];
        ASSERT_EQ(KindOfLine(line), StationLineKind::Station) << line;
        const LineFields fields = SplitAtCommas(line);
        EXPECT_GT(fields.Callsign, previous) << "out of order: " << line;
        EXPECT_EQ(fields.Callsign.find(' '), std::string_view::npos) << line;
        EXPECT_TRUE(IsSixCharacterLocator(fields.Locator)) << line;
        EXPECT_LE(fields.Rest.size(), kNotesLength) << line;
        EXPECT_EQ(RightTrimmed(fields.Rest), fields.Rest) << line;
        previous = fields.Callsign;
    }
    EXPECT_EQ(KindOfLine(lines.back()), StationLineKind::End);
}

TEST(StarterList, EveryStationIsFoundAndTheBrowseEndsAtBothEdges) {
    const std::string text = StarterList();
    const std::vector<std::string_view> lines = SplitStationLines(text);
    for (std::size_t i = kCommentLines; i + 1 < lines.size(); ++i) {
        const LineFields fields = SplitAtCommas(lines[i]);
        const SearchResult found = SearchCallsign(text, fields.Callsign, BrowseRequest::None);
        EXPECT_EQ(found.Outcome, SearchOutcome::ExactMatch) << lines[i];
        EXPECT_EQ(found.Record.RecordNumber, static_cast<int>(i + 1)) << lines[i];
        EXPECT_EQ(found.Record.Notes, fields.Rest) << lines[i];
    }
    // The first station is "Callsign #" 1 in the dialog (record number minus the comments).
    const std::string first(SplitAtCommas(lines[kCommentLines]).Callsign);
    EXPECT_EQ(SearchCallsign(text, first, BrowseRequest::None).Record.RecordNumber - kCommentLines,
              1);
    // Up from the first station onto the last comment, down from the last onto the end line.
    EXPECT_EQ(SearchCallsign(text, first, BrowseRequest::Previous).Outcome,
              SearchOutcome::NotFound);
    const std::string last(SplitAtCommas(lines[lines.size() - 2]).Callsign);
    EXPECT_EQ(SearchCallsign(text, last, BrowseRequest::Next).Outcome, SearchOutcome::NotFound);
}

}  // namespace
}  // namespace velmorant
