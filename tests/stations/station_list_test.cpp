// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station_list.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(KindOfLine, DecidedInOrderEndCommentStationShort) {
    const struct {
        std::string_view Line;
        StationLineKind Kind;
    } cases[] = {
        {"ZZZZZZ", StationLineKind::End},
        {"ZZZZZZ,AA00aa,an end line even with commas", StationLineKind::End},
        {"ZZZZZZZ", StationLineKind::End},  // the first six characters decide
        {"ZZZZZ", StationLineKind::Short},
        {"ZZZZZ,JN58td,", StationLineKind::Station},
        {"// comment", StationLineKind::Comment},
        {"//K1ABC,FN42aa,a comment with commas", StationLineKind::Comment},
        {" // not at the start", StationLineKind::Short},
        {"/ K1ABC,FN42aa,x", StationLineKind::Station},
        {"DL1ABC,JO62qm,EME 2M", StationLineKind::Station},
        {",,", StationLineKind::Station},
        {"DL1ABC,JO62qm", StationLineKind::Short},
        {"no comma at all", StationLineKind::Short},
        {"", StationLineKind::Short},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KindOfLine(c.Line), c.Kind) << '"' << c.Line << '"';
    }
}

TEST(SplitStationLines, EveryLineEndAndNoEmptyLineAfterTheLast) {
    using Lines = std::vector<std::string_view>;
    const struct {
        std::string_view Text;
        Lines Expected;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},      // mixed, last line without a line end
        {"a\r\n\r\n\n\rb", {"a", "", "", "", "b"}},  // empty lines, LF CR is two line ends
        {"\r\n", {""}},
        {"", {}},
        {std::string_view("a\0b\xff\r\n", 6), {std::string_view("a\0b\xff", 4)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitStationLines(c.Text), c.Expected) << testing::PrintToString(c.Text);
    }
}

}  // namespace
}  // namespace velmorant
