// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/report_text.h"

#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/common/utf8.h"

namespace velmorant {
namespace {

// ---- Number patterns -------------------------------------------------------------------------

struct PatternCase {
    const char* Pattern;
    std::string (*format)(double);
    double Value;
    const char* Expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << '"' << c.Pattern << "\" of " << c.Value;
}

class PatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, FormatsTheValue) {
    EXPECT_EQ(GetParam().format(GetParam().Value), GetParam().Expected);
}

std::string OneDecimal(double v) {
    return FormatFixed(v, 1);
}
std::string NoDecimal(double v) {
    return FormatFixed(v, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Whole, PatternTest,
    testing::Values(
        PatternCase{"##", FormatWhole, 2, "2"}, PatternCase{"####", FormatWhole, 2016, "2016"},
        PatternCase{"##", FormatWhole, 12345678, "12345678"},
        PatternCase{"#0H", FormatWhole, 0, "0"}, PatternCase{"##", FormatWhole, 2.5, "3"},
        PatternCase{"##", FormatWhole, 3.5, "4"}, PatternCase{"##", FormatWhole, -2.5, "-3"},
        PatternCase{"##", FormatWhole, -0.4, "0"},
        // The largest double below 0.5: adding 0.5 and flooring would give 1.
        PatternCase{"##", FormatWhole, 0.49999999999999994, "0"},
        PatternCase{"#####", FormatWholeBlankZero, 245.6, "246"},
        PatternCase{"#####", FormatWholeBlankZero, 0.5, "1"},
        PatternCase{"#####", FormatWholeBlankZero, 0, ""},
        PatternCase{"#####", FormatWholeBlankZero, 0.4, ""},
        PatternCase{"#####", FormatWholeBlankZero, -0.3, ""},
        PatternCase{"+## DAYS", FormatDays, 3, "+3 DAYS"},
        PatternCase{"+## DAYS", FormatDays, 14, "+14 DAYS"}));

INSTANTIATE_TEST_SUITE_P(
    Grouped, PatternTest,
    testing::Values(PatternCase{" ###,###", FormatGroupedWhole, 384400.3, " 384,400"},
                    PatternCase{" ###,###", FormatGroupedWhole, 377292.5, " 377,293"},
                    PatternCase{" ###,###", FormatGroupedWhole, 999.5, " 1,000"},
                    PatternCase{" ###,###", FormatGroupedWhole, 999, " 999"},
                    PatternCase{" ###,###", FormatGroupedWhole, 1234567, " 1,234,567"},
                    PatternCase{" ###,###", FormatGroupedWhole, 0, " 0"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 5432.14, " 5,432.1"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 0.5, " .5"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 0, " .0"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 0.04, " .0"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, -0.04, " .0"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 111, " 111.0"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 10000.8, " 10,000.8"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 6000.48, " 6,000.5"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 999.95, " 1,000.0"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 0.25, " .3"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, 0.15, " .1"},
                    PatternCase{" ##,###.#", FormatGroupedOneDecimal, -12.25, " -12.3"}));

INSTANTIATE_TEST_SUITE_P(
    Decimals, PatternTest,
    testing::Values(PatternCase{" ##.##", FormatTwoDecimals, 15.516, " 15.52"},
                    PatternCase{" ##.##", FormatTwoDecimals, 0.52, " .52"},
                    PatternCase{" ##.##", FormatTwoDecimals, 15.5, " 15.50"},
                    PatternCase{" ##.##", FormatTwoDecimals, 0, " .00"},
                    PatternCase{" ##.##", FormatTwoDecimals, 0.125, " .13"},
                    PatternCase{" ##.##", FormatTwoDecimals, 2.675, " 2.67"},
                    PatternCase{" ##.##", FormatTwoDecimals, 1234.5, " 1234.50"},
                    PatternCase{"one decimal", OneDecimal, 123.44, "123.4"},
                    PatternCase{"one decimal", OneDecimal, -1.46, "-1.5"},
                    PatternCase{"one decimal", OneDecimal, -1.5, "-1.5"},
                    PatternCase{"one decimal", OneDecimal, 0.5, "0.5"},
                    PatternCase{"one decimal", OneDecimal, 1234.5, "1,234.5"},
                    PatternCase{"one decimal", OneDecimal, 360, "360.0"},
                    PatternCase{"one decimal", OneDecimal, 0.15, "0.1"},
                    PatternCase{"one decimal", OneDecimal, 0.05, "0.1"},
                    PatternCase{"one decimal", OneDecimal, -0.04, "0.0"},
                    // An angle as RoundedDegrees stores it, a Single near 123.4.
                    PatternCase{"one decimal", OneDecimal, static_cast<double>(123.4F), "123.4"},
                    PatternCase{"no decimal", NoDecimal, -44.6, "-45"},
                    PatternCase{"no decimal", NoDecimal, -1.5, "-2"},
                    PatternCase{"no decimal", NoDecimal, 2.5, "3"},
                    PatternCase{"no decimal", NoDecimal, -0.4, "0"},
                    PatternCase{"no decimal", NoDecimal, 12345, "12,345"}));

INSTANTIATE_TEST_SUITE_P(
    Items, PatternTest,
    testing::Values(PatternCase{"item", NumberItem, 2457450.5, " 2457450.5 "},
                    PatternCase{"item", NumberItem, 2457450, " 2457450 "},
                    PatternCase{"item", NumberItem, -1.25, "-1.25 "},
                    PatternCase{"item", NumberItem, 0, " 0 "},
                    PatternCase{"item", NumberItem, -0.0, " 0 "},
                    PatternCase{"item", NumberItem, 0.1, " 0.1 "},
                    PatternCase{"item", NumberItem, 1.0 / 3, " 0.333333333333333 "},
                    PatternCase{"item", NumberItem, 2.0 / 3, " 0.666666666666667 "},
                    PatternCase{"item", NumberItem, 123456789012345678.0, " 123456789012346000 "}));

INSTANTIATE_TEST_SUITE_P(
    Hhmm, PatternTest,
    testing::Values(
        PatternCase{"hhmm", HhmmText, 45, "0045"}, PatternCase{"hhmm", HhmmText, 0, "0000"},
        PatternCase{"hhmm", HhmmText, 5, "0005"}, PatternCase{"hhmm", HhmmText, 130, "0130"},
        PatternCase{"hhmm", HhmmText, 15, "0015"}, PatternCase{"hhmm", HhmmText, 2400, "2400"},
        PatternCase{"hhmm", HhmmText, 1344.96, "1345"},
        // A Single hhmm sum a hair below the minute.
        PatternCase{"hhmm", HhmmText, static_cast<double>(1344.9999F), "1345"},
        PatternCase{"hhmm", HhmmText, 5.5, "05.5"}, PatternCase{"hhmm", HhmmText, 12.25, "12.3"}));

TEST(NumberPatterns, NonFiniteValuesDoNotFail) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatWhole(inf), "inf");
    EXPECT_EQ(FormatTwoDecimals(-inf), " -inf");
    EXPECT_EQ(NumberItem(std::numeric_limits<double>::quiet_NaN()), " nan ");
}

// ---- Texts ---------------------------------------------------------------------------------

TEST(RightAlign, PadsOnTheLeftAndNeverCuts) {
    EXPECT_EQ(RightAlign("12.3", 5), " 12.3");
    EXPECT_EQ(RightAlign("12", 3), " 12");
    EXPECT_EQ(RightAlign("", 3), "   ");
    EXPECT_EQ(RightAlign("123456", 3), "123456");
    // The degree sign is two bytes but one column.
    EXPECT_EQ(RightAlign("1\xC2\xB0", 3), " 1\xC2\xB0");
}

TEST(MonthAbbrev, NamesTheMonthsAndNothingElse) {
    EXPECT_EQ(MonthAbbrev(1), "JAN");
    EXPECT_EQ(MonthAbbrev(3), "MAR");
    EXPECT_EQ(MonthAbbrev(9), "SEP");
    EXPECT_EQ(MonthAbbrev(12), "DEC");
    EXPECT_EQ(MonthAbbrev(0), "");
    EXPECT_EQ(MonthAbbrev(13), "");
}

struct DmsCase {
    double Degrees;
    bool Latitude;
    const char* Expected;
};

void PrintTo(const DmsCase& c, std::ostream* os) {
    *os << c.Degrees << (c.Latitude ? " latitude" : " longitude");
}

class DmsTextTest : public testing::TestWithParam<DmsCase> {};

TEST_P(DmsTextTest, FillsTheTemplate) {
    const std::string text = DmsText(GetParam().Degrees, GetParam().Latitude);
    EXPECT_EQ(text, GetParam().Expected);
    EXPECT_EQ(CharacterCount(text), 15U);
    EXPECT_EQ(text.size(), 16U);  // UTF-8: the degree sign takes two bytes
}

INSTANTIATE_TEST_SUITE_P(
    Angles, DmsTextTest,
    // 45 in columns 2-3, 30 in 7-8, 15 in 11-12, the letter in 15; 123 in 2-4, 0 in 11.
    testing::Values(DmsCase{45.5042, true, " 45 \xC2\xB0 30' 15\" N"},
                    DmsCase{123.25, false, " 123\xC2\xB0 15' 0 \" W"},
                    DmsCase{-33.5, true, " 33 \xC2\xB0 30' 0 \" S"},
                    DmsCase{-0.25, false, " 0  \xC2\xB0 15' 0 \" E"},
                    DmsCase{0, true, " 0  \xC2\xB0 0 ' 0 \" N"},
                    // A hair below 30 minutes shows 30' 0", not 29' 60".
                    DmsCase{30.49999, true, " 30 \xC2\xB0 30' 0 \" N"},
                    // Degrees are cut to four characters (the sign space and three digits).
                    DmsCase{1234.5, false, " 123\xC2\xB0 30' 0 \" W"}));

// ---- Lines and tabs --------------------------------------------------------------------------

struct TabCase {
    const char* Name;
    void (*build)(ReportLine&);
    std::vector<std::string> Expected;
};

void PrintTo(const TabCase& c, std::ostream* os) {
    *os << c.Name;
}

class ReportLineTest : public testing::TestWithParam<TabCase> {};

TEST_P(ReportLineTest, LaysOutTheItems) {
    ReportLine line;
    GetParam().build(line);
    EXPECT_EQ(line.Lines(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, ReportLineTest,
    testing::Values(
        TabCase{"empty", [](ReportLine&) {}, {""}},
        TabCase{"items back to back",
                [](ReportLine& l) { l.Write("MAR").Write(" ").Write("5"); },
                {"MAR 5"}},
        TabCase{
            "before the column", [](ReportLine& l) { l.Write("ab").Tab(5).Write("c"); }, {"ab  c"}},
        TabCase{
            "at the column", [](ReportLine& l) { l.Write("abcd").Tab(5).Write("x"); }, {"abcdx"}},
        TabCase{"after the column",
                [](ReportLine& l) { l.Write("abcdef").Tab(5).Write("x"); },
                {"abcdef", "    x"}},
        TabCase{"one column past",
                [](ReportLine& l) { l.Write("abcde").Tab(5).Write("x"); },
                {"abcde", "    x"}},
        TabCase{"tab at the start",
                [](ReportLine& l) { l.Tab(1).Write("a").Tab(4).Write("b"); },
                {"a  b"}},
        TabCase{"tabs go on after a break",
                [](ReportLine& l) { l.Write("abcdef").Tab(3).Write("x").Tab(6).Write("y"); },
                {"abcdef", "  x  y"}},
        TabCase{"a column below 1 counts as 1",
                [](ReportLine& l) { l.Write("ab").Tab(0); },
                {"ab", ""}},
        // Code points, not bytes: "SKY °" takes five columns.
        TabCase{"degree sign is one column",
                [](ReportLine& l) { l.Write("SKY \xC2\xB0").Tab(7).Write("K"); },
                {"SKY \xC2\xB0 K"}}));

TEST(ReportLine, ColumnFollowsWritesAndTabs) {
    ReportLine line;
    EXPECT_EQ(line.Column(), 1);
    line.Write("JD:").Write(NumberItem(2457450.5));
    EXPECT_EQ(line.Column(), 15);
    line.Write(DmsText(45.5042, true));
    EXPECT_EQ(line.Column(), 30);
    line.Tab(20);
    EXPECT_EQ(line.Column(), 20);
    EXPECT_EQ(line.Lines().size(), 2U);
}

}  // namespace
}  // namespace velmorant
