// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/defaults/defaults_file.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "core/common/numeric.h"
#include "tests/ui/window_fixture.h"
#include "ui/model/defaults/stored_numbers.h"

namespace velmorant {
namespace {

using testing_support::kInitialFile;

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(DefaultsFile, ReadsEveryFieldAndWritesTheSameText) {
    const ParsedDefaults parsed = ParseDefaults(kInitialFile);
    EXPECT_TRUE(parsed.DamagedLines.empty());
    const DefaultsRecord& r = parsed.Record;
    EXPECT_EQ(r.Home.Display, 1);
    EXPECT_EQ(r.Home.LonDeg, "00");
    EXPECT_EQ(r.DX.LonDeg, "000");
    EXPECT_EQ(r.DX.Below, "90");
    EXPECT_EQ(r.CelestialIndex, -1);
    EXPECT_EQ(r.ObjectName, "(Enter Other Here)");
    EXPECT_EQ(r.OperationIndex, -1);
    EXPECT_EQ(r.IncrementMinutes, "15");
    EXPECT_EQ(r.EscFlag, 2);
    EXPECT_EQ(r.OutputLines, 22);
    EXPECT_EQ(r.Region, "");
    EXPECT_EQ(r.TimeDif, 0.0f);
    EXPECT_EQ(r.Noise, 0.0);
    EXPECT_EQ(r.AdobeReader, "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe");
    EXPECT_EQ(r.AzMax, 360.0f);
    EXPECT_EQ(r.GmtMax, "2400");
    EXPECT_EQ(FormatDefaults(r), kInitialFile);
}

TEST(DefaultsFile, AcceptsEveryLineEnd) {
    const std::string lf = Replaced(std::string(kInitialFile), "\r\n", "\n");
    const std::string cr = Replaced(std::string(kInitialFile), "\r\n", "\r");
    for (const std::string& text : {lf, cr}) {
        const ParsedDefaults parsed = ParseDefaults(text);
        EXPECT_TRUE(parsed.DamagedLines.empty());
        EXPECT_EQ(FormatDefaults(parsed.Record), kInitialFile);
    }
}

TEST(DefaultsFile, QuotedFieldsKeepCommasAndBlanksUnquotedOnesLoseBlanks) {
    const ParsedDefaults parsed = ParseDefaults(
        " 0 , \"W1, ABC \" ,JN58td,\"48\",\"8\",\"45\",\"N\",\"11\",\"37\",\"30\",\"E\",\"-2\","
        "\"90\"\n");
    EXPECT_EQ(parsed.Record.Home.Display, 0);
    EXPECT_EQ(parsed.Record.Home.Callsign, "W1, ABC ");
    EXPECT_EQ(parsed.Record.Home.Locator, "JN58td");
    EXPECT_EQ(parsed.Record.Home.Below, "90");
    EXPECT_EQ(parsed.DamagedLines, (std::vector<int>{2, 3, 4}));
}

TEST(DefaultsFile, WritesQuotesAsApostrophesAndLineBreaksAsBlanks) {
    DefaultsRecord record;
    record.Home.Callsign = "W1\"X\"";
    record.Home.Locator = "a\r\nb";
    const std::string text = FormatDefaults(record);
    EXPECT_EQ(text.substr(0, 20), "0,\"W1'X'\",\"a  b\",\"\",");
    EXPECT_EQ(ParseDefaults(text).Record.Home.Callsign, "W1'X'");
}

struct DamagedCase {
    const char* Name;
    std::string Text;
    std::vector<int> DamagedLines;
};

class DamagedFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFile, NamesTheLinesItCouldNotRead) {
    EXPECT_EQ(ParseDefaults(GetParam().Text).DamagedLines, GetParam().DamagedLines)
        << GetParam().Name;
}

const std::string kFile(kInitialFile);

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamagedCase{"empty", "", {1, 2, 3, 4}},
        DamagedCase{"two lines", kFile.substr(0, kFile.find("-1,")), {3, 4}},
        DamagedCase{"short line", Replaced(kFile, ",\"-2\",\"90\"\r\n1,", ",\"-2\"\r\n1,"), {1}},
        DamagedCase{"text in a number", Replaced(kFile, "\"15\",2,22,", "\"15\",2,x22,"), {4}},
        DamagedCase{"empty number", Replaced(kFile, ",-1\r\n", ",\r\n"), {3}},
        DamagedCase{
            "object index outside the list", Replaced(kFile, "-1,\"(Enter", "12,\"(Enter"), {3}},
        DamagedCase{
            "units index outside the list", Replaced(kFile, ",0,-1,\"C:", ",0,2,\"C:"), {4}},
        DamagedCase{"display flag other than 0 or 1", "2" + kFile.substr(1), {1}},
        DamagedCase{"lines per page beyond 16 bits", Replaced(kFile, ",2,22,", ",2,40000,"), {4}},
        DamagedCase{"azimuth beyond a single", Replaced(kFile, ",0,360,", ",0,1e39,"), {4}},
        DamagedCase{"extra fields are ignored", Replaced(kFile, ",-1\r\n", ",-1,7,\"x\"\r\n"), {}},
        DamagedCase{"signs and fractions read", Replaced(kFile, ",0,360,", ",+0.5,-1e2,"), {}}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) {
        std::string name;
        for (char c : std::string(info.param.Name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(DefaultsFile, KeepsTheReadableFieldsOfADamagedLine) {
    const ParsedDefaults parsed =
        ParseDefaults(Replaced(kFile, "\"15\",2,22,\"50\"", "\"30\",2,abc,\"144\""));
    EXPECT_EQ(parsed.Record.IncrementMinutes, "30");
    EXPECT_FALSE(parsed.Record.OutputLines.has_value());
    EXPECT_EQ(parsed.Record.Band, "144");
    EXPECT_EQ(parsed.Record.AzMax, 360.0f);
}

// --- Numbers as stored and written ---

TEST(StoredNumbers, RoundToSixteenBitsTiesToEven) {
    EXPECT_EQ(ToInteger16(2.5), 2);
    EXPECT_EQ(ToInteger16(3.5), 4);
    EXPECT_EQ(ToInteger16(-2.5), -2);
    EXPECT_EQ(ToInteger16(32767.4), 32767);
    EXPECT_EQ(ToInteger16(-32768.5), -32768);
    EXPECT_FALSE(ToInteger16(32767.5).has_value());
    EXPECT_FALSE(ToInteger16(40000).has_value());
    EXPECT_FALSE(ToInteger16(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(ToInteger16(std::nan("")).has_value());
}

TEST(StoredNumbers, WritePlainShortestDecimals) {
    EXPECT_EQ(SingleText(360.0f), "360");
    EXPECT_EQ(SingleText(0.1f), "0.1");
    EXPECT_EQ(SingleText(-5.5f), "-5.5");
    EXPECT_EQ(SingleText(1e-7f), "0.0000001");
    EXPECT_EQ(SingleText(-0.0f), "0");
    EXPECT_EQ(SingleText(std::numeric_limits<float>::infinity()), "0");
    EXPECT_EQ(SingleText(ToSingle(1e39)), "0");
    EXPECT_EQ(DoubleText(0.1), "0.1");
    EXPECT_EQ(DoubleText(1e22), "10000000000000000000000");
    EXPECT_EQ(DoubleText(123.456), "123.456");
    const float third = 1.0f / 3.0f;
    EXPECT_EQ(std::stof(SingleText(third)), third);
}

}  // namespace
}  // namespace velmorant
