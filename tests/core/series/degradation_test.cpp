// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/series/degradation.h"

#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// A table text with keys 0.0, 0.5, ..., 24.5 h; the 144 MHz column 150 + 7 i kelvin and the
// 432 MHz column 15 + i kelvin for record i + 1.
double Key(int i) {
    return 0.5 * i;
}
double Column144(int i) {
    return 150 + 7 * i;
}
double Column432(int i) {
    return 15 + i;
}

std::string Record(int i, const char* separator = ",", const char* lineEnd = "\r\n") {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f%s%g%s%g%s", Key(i), separator, Column144(i), separator,
                  Column432(i), lineEnd);
    return text;
}

std::string TableText(int records = kSkyTemperatureRecords, const char* separator = ",",
                      const char* lineEnd = "\r\n") {
    std::string text;
    for (int i = 0; i < records; ++i) {
        text += Record(i, separator, lineEnd);
    }
    return text;
}

SkyTemperatureTable Parse(const std::string& text) {
    auto parsed = ParseSkyTemperatures(text);
    if (const auto* error = std::get_if<SkyTemperatureError>(&parsed)) {
        ADD_FAILURE() << "record " << error->Record << ": " << error->Fault;
        return {};
    }
    return std::get<SkyTemperatureTable>(parsed);
}

TEST(ParseSkyTemperatures, ScalesTheColumnsAsSingles) {
    const SkyTemperatureTable table = Parse(TableText());
    for (int i = 0; i < kSkyTemperatureRecords; ++i) {
        const auto k = static_cast<std::size_t>(i);
        ASSERT_EQ(table.RAHours[k], static_cast<float>(Key(i)));
        ASSERT_EQ(table.T144[k], static_cast<float>(Column144(i) * 0.87));
        ASSERT_EQ(table.T432[k], static_cast<float>(Column432(i) * 0.83));
    }
}

TEST(ParseSkyTemperatures, FreeFormatFields) {
    const SkyTemperatureTable expected = Parse(TableText());
    const std::string texts[] = {
        TableText(kSkyTemperatureRecords, " ", "\n"),
        TableText(kSkyTemperatureRecords, " , ", "\r"),
        TableText(kSkyTemperatureRecords, "  ", " "),
        TableText(kSkyTemperatureRecords, ",", ","),
        "  \r\n" + TableText() + "\r\n\r\n",
        TableText() + "oops, records after the 50th are not read\r\n",
    };
    for (const std::string& text : texts) {
        const SkyTemperatureTable table = Parse(text);
        EXPECT_EQ(table.RAHours, expected.RAHours) << text.substr(0, 40);
        EXPECT_EQ(table.T144, expected.T144) << text.substr(0, 40);
        EXPECT_EQ(table.T432, expected.T432) << text.substr(0, 40);
    }
    const SkyTemperatureTable signs =
        Parse("+1.5e0,+2,.5\n" + TableText().substr(Record(0).size()));
    EXPECT_EQ(signs.RAHours[0], 1.5f);
    EXPECT_EQ(signs.T144[0], static_cast<float>(2 * 0.87));
    EXPECT_EQ(signs.T432[0], static_cast<float>(0.5 * 0.83));
}

struct BadTableCase {
    std::string Text;
    int Record;
    const char* FaultWords;
};

TEST(ParseSkyTemperatures, NamesTheBadRecord) {
    const std::string good = TableText();
    const std::string first30 = TableText(30);
    const std::string after31 = good.substr(TableText(31).size());
    const BadTableCase cases[] = {
        {"", 1, "missing"},
        {TableText(49), 50, "missing (the file holds only 49 of the 50 records)"},
        {TableText(49) + "24.5,273", 50, "incomplete (the file ends after its second number)"},
        {first30 + "15.0,abc,18\r\n" + after31, 31, "the second field \"abc\" is not a number"},
        {first30 + "15.0,,18\r\n" + after31, 31, "the second field \"\" is not a number"},
        {first30 + "15.0;200;18\r\n" + after31, 31, "the first field"},
        {"12x,1,2\r\n" + good.substr(Record(0).size()), 1, "the first field \"12x\""},
        {"1,2,nan\r\n" + good.substr(Record(0).size()), 1, "the third field"},
        // Temperatures and right ascensions that would reach the report as inf or nan.
        {first30 + "15.0,-1000,18\r\n" + after31, 31, "second field \"-1000\" lies outside 0"},
        {first30 + "15.0,200,1e308\r\n" + after31, 31, "third field \"1e308\" lies outside"},
        {first30 + "25.5,200,18\r\n" + after31, 31, "first field \"25.5\" lies outside 0 to 25"},
    };
    for (const BadTableCase& c : cases) {
        const auto parsed = ParseSkyTemperatures(c.Text);
        const auto* error = std::get_if<SkyTemperatureError>(&parsed);
        ASSERT_NE(error, nullptr) << c.FaultWords;
        EXPECT_EQ(error->Record, c.Record) << error->Fault;
        EXPECT_NE(error->Fault.find(c.FaultWords), std::string::npos) << error->Fault;
    }
}

class PathDegradationTest : public testing::Test {
  protected:
    static MoonDistanceState Noon(float previousKm, float currentKm) {
        MoonDistanceState state;
        state.PreviousDistanceKm = previousKm;
        state.DistanceKm = currentKm;
        return state;
    }

    DegradationResult At(float previousKm, float currentKm, double fraction, double raHours,
                         double band) const {
        return PathDegradation(table_, Noon(previousKm, currentKm), fraction, raHours, band,
                               kReceiverK);
    }

    // Whole kelvin of the 144 and 432 MHz columns of record i + 1.
    double Whole144(int i) const { return std::floor(table_.T144[static_cast<std::size_t>(i)]); }
    double Whole432(int i) const { return std::floor(table_.T432[static_cast<std::size_t>(i)]); }

    static constexpr float kReceiverK = 50;
    SkyTemperatureTable table_ = Parse(TableText());
};

TEST_F(PathDegradationTest, PathLossAgainstAClosePerigee) {
    const DegradationResult perigee = At(356410, 356410, 0.3, 6.0, 144);
    const DegradationResult apogee = At(406700, 406700, 0.3, 6.0, 144);
    EXPECT_NEAR(apogee.Degradation - perigee.Degradation, 2.293, 0.001);
    // With the reference distance only the sky term is left.
    EXPECT_NEAR(perigee.Degradation,
                10 * std::log10((kReceiverK + perigee.SkyTemperature) / (kReceiverK + 194.947)),
                1e-4);
}

TEST_F(PathDegradationTest, DistanceInterpolatedBetweenNoonValues) {
    const double perigee = At(356410, 356410, 0.5, 6.0, 144).Degradation;
    // At noon the date's own distance, at midnight halfway back to the day before's.
    EXPECT_NEAR(At(356410, 406700, 0.5, 6.0, 144).Degradation - perigee, 2.293, 0.001);
    EXPECT_NEAR(At(356410, 406700, 0.0, 6.0, 144).Degradation - perigee, 1.1843, 0.001);
    EXPECT_NEAR(At(356410, 406700, 1.0, 6.0, 144).Degradation - perigee, 3.3351, 0.001);
}

TEST_F(PathDegradationTest, SkyTemperatureFromTheTable) {
    // Exactly on the 6.0 h key: that row, truncated to whole kelvin.
    EXPECT_EQ(At(380000, 380000, 0.5, 6.0, 144).SkyTemperature, Whole144(12));
    EXPECT_EQ(At(380000, 380000, 0.5, 6.0, 432).SkyTemperature, Whole432(12));
    // A quarter of an hour on: halfway to the next row.
    const double halfway = (table_.T144[12] + table_.T144[13]) / 2.0;
    EXPECT_EQ(At(380000, 380000, 0.5, 6.25, 144).SkyTemperature, std::floor(halfway));
    // Just below 24 h the last interval, 23.5 to 24.0 h, is used.
    EXPECT_EQ(At(380000, 380000, 0.5, 23.999, 432).SkyTemperature, std::floor(table_.T432[48]));
}

TEST_F(PathDegradationTest, FiftyMegahertzScalesThe144Column) {
    const DegradationResult vhf = At(356410, 356410, 0.5, 6.0, 144);
    const DegradationResult low = At(356410, 356410, 0.5, 6.0, 50);
    EXPECT_NEAR(low.SkyTemperature / vhf.SkyTemperature, 17.392, 0.001);
    // Reference: the coldest sky scaled to 50 MHz, about 3050 K.
    EXPECT_NEAR(low.Degradation,
                10 * std::log10((kReceiverK + low.SkyTemperature) / (kReceiverK + 3050.27)), 1e-4);
}

TEST_F(PathDegradationTest, TwelveNinetySixScalesThe432Column) {
    const DegradationResult uhf = At(356410, 356410, 0.5, 6.0, 432);
    const DegradationResult high = At(356410, 356410, 0.5, 6.0, 1296);
    EXPECT_NEAR(high.SkyTemperature, (uhf.SkyTemperature - 2.7) / 21.674 + 2.7, 1e-4);
    // Reference: 12.45 K scaled the same way, about 3.15 K.
    EXPECT_NEAR(high.Degradation,
                10 * std::log10((kReceiverK + high.SkyTemperature) / (kReceiverK + 3.14985)), 1e-4);
    EXPECT_NEAR(uhf.Degradation,
                10 * std::log10((kReceiverK + uhf.SkyTemperature) / (kReceiverK + 12.45)), 1e-4);
}

// The microwave bands follow the 1296 MHz rule at their own frequency: the 432 MHz column above
// 2.7 K divided by (f / 432)^2.8, the coldest sky likewise (factors from a desk calculation).
TEST_F(PathDegradationTest, MicrowaveBandsScaleThe432ColumnToTheirFrequency) {
    struct Case {
        double BandMHz;
        double Factor;    // (f / 432)^2.8
        double ColdSkyK;  // (12.45 - 2.7) / Factor + 2.7
    };
    const Case cases[] = {
        {2304, 108.54165, 2.789827},
        {3400, 322.69072, 2.730215},
        {5760, 1411.9797, 2.706905},
        {10368, 7321.3552, 2.701332},
    };
    const DegradationResult uhf = At(356410, 356410, 0.5, 6.0, 432);
    for (const Case& c : cases) {
        const DegradationResult band = At(356410, 356410, 0.5, 6.0, c.BandMHz);
        EXPECT_NEAR(band.SkyTemperature, (uhf.SkyTemperature - 2.7) / c.Factor + 2.7, 1e-4)
            << c.BandMHz;
        EXPECT_NEAR(band.Degradation,
                    10 * std::log10((kReceiverK + band.SkyTemperature) / (kReceiverK + c.ColdSkyK)),
                    1e-4)
            << c.BandMHz;
    }
}

TEST_F(PathDegradationTest, TwoTwentyUsesThe432Column) {
    for (double ra : {0.2, 6.0, 13.7, 23.9}) {
        const DegradationResult b220 = At(370000, 390000, 0.8, ra, 220);
        const DegradationResult b432 = At(370000, 390000, 0.8, ra, 432);
        EXPECT_EQ(b220.SkyTemperature, b432.SkyTemperature) << ra;
        EXPECT_EQ(b220.Degradation, b432.Degradation) << ra;
        EXPECT_NE(b220.SkyTemperature, At(370000, 390000, 0.8, ra, 144).SkyTemperature) << ra;
    }
}

TEST(PathDegradation, NoKeyAboveTheRightAscensionUsesTheLastRow) {
    // A table whose last key is 24.0 h: no key exceeds 24.0003 h.
    const SkyTemperatureTable table = Parse(TableText(49) + "24.0,500,50\r\n");
    MoonDistanceState state;
    state.PreviousDistanceKm = 380000;
    state.DistanceKm = 380000;
    const DegradationResult r = PathDegradation(table, state, 0.5, 24.0003, 144, 50);
    // Interpolated from record 49 (24.0 h, 422.82 K) toward record 50 (435 K): 422.83 K.
    EXPECT_EQ(r.SkyTemperature, 422);
    EXPECT_TRUE(std::isfinite(r.Degradation));
}

}  // namespace
}  // namespace velmorant
