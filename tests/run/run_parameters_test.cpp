// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_parameters.h"

#include <utility>
#include <variant>

#include <gtest/gtest.h>

#include "core/common/constants.h"

namespace velmorant {
namespace {

// The window as it starts, with a date, both stations at 0 N 0 W and the Moon chosen.
WindowInputs StartingWindow() {
    WindowInputs in;
    in.OperationIndex = 0;
    in.MonthStartIndex = 2;
    in.DayStartIndex = 4;
    in.YearStart = "2016";
    in.MonthEndIndex = 2;
    in.DayEndIndex = 4;
    in.YearEnd = "2016";
    for (StationInputs* row : {&in.Home, &in.DX}) {
        row->LatDeg = row->LatMin = row->LatSec = "00";
        row->LonDeg = row->LonMin = row->LonSec = "00";
        row->LatDir = "N";
        row->LonDir = "W";
        row->Above = "-2";
        row->Below = "90";
    }
    in.UnitsIndex = 0;
    in.CelestialIndex = 0;
    in.CelestialText = "Moon";
    in.Noise = "50";
    in.IncrementMinutes = "15";
    in.OutputLines = "22";
    in.Band = "144";
    in.AzMin = "0";
    in.AzMax = "360";
    in.GmtMin = "0000";
    in.GmtMax = "2400";
    return in;
}

RunParameters Gather(const WindowInputs& in) {
    auto result = GatherRunParameters(in);
    EXPECT_TRUE(std::holds_alternative<RunParameters>(result));
    return std::get<RunParameters>(result);
}

TEST(GatherRunParameters, EmptyProgramPathsFallBack) {
    const RunParameters p = Gather(StartingWindow());
    EXPECT_EQ(p.TextEditor, "C:\\WINDOWS\\notepad.exe");
    EXPECT_EQ(p.AdobeReader, "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe");
}

// The band is read once into MHz, as the report's figures take it, and kept as shown.
TEST(GatherRunParameters, TheBandIsReadOnceAndKeptAsShown) {
    for (const auto& [text, mhz] :
         {std::pair{"144", 144.0}, std::pair{"10368", 10368.0}, std::pair{"2304.5 MHz", 2304.5}}) {
        WindowInputs in = StartingWindow();
        in.Band = text;
        const RunParameters p = Gather(in);
        EXPECT_EQ(p.BandMHz, mhz) << text;
        EXPECT_EQ(p.Band, text);
    }
}

TEST(GatherRunParameters, WindowAcrossMidnightBecomesTheWholeDayButKeepsItsTypedLimits) {
    WindowInputs in = StartingWindow();
    in.GmtMin = "1800";
    in.GmtMax = "0600";
    const RunParameters p = Gather(in);
    EXPECT_EQ(p.GmtMin, 0.0f);
    EXPECT_EQ(p.GmtMax, 2400);
    EXPECT_EQ(p.GmtWindowLow, 1800.0f);
    EXPECT_EQ(p.GmtWindowHigh, 600.0f);
}

struct RegionCase {
    const char* Degrees;
    const char* Direction;
    int Region;
};

TEST(GatherRunParameters, RegionFollowsTheHomeLongitudeWhateverTheList) {
    const RegionCase cases[] = {{"10", "W", 1},  {"100", "W", 2}, {"170", "W", 3},
                                {"100", "E", 3}, {"40", "W", 1},  {"80", "E", 3},
                                {"79", "E", 1},  {"160", "W", 2}, {"41", "W", 2}};
    for (const auto& c : cases) {
        WindowInputs in = StartingWindow();
        in.Region = " 2";
        in.Home.LonDeg = c.Degrees;
        in.Home.LonDir = c.Direction;
        EXPECT_EQ(Gather(in).Region, c.Region) << c.Degrees << c.Direction;
    }
}

TEST(GatherRunParameters, OnlyTheExactLettersGivePositiveCoordinates) {
    WindowInputs in = StartingWindow();
    in.Home.LatDeg = "10";
    in.Home.LatDir = "n";
    in.Home.LonDeg = "20";
    in.Home.LonDir = "w";
    in.DX.LatDeg = "-10";
    in.DX.LatDir = "S";
    in.DX.LatMin = "30";
    const RunParameters p = Gather(in);
    EXPECT_FLOAT_EQ(p.Home.Latitude, -10.0f);
    EXPECT_FLOAT_EQ(p.Home.Longitude, -20.0f);
    // A typed minus combines with the direction sign, part by part.
    EXPECT_DOUBLE_EQ(p.DX.Latitude, 10.0 - 0.5);
}

TEST(GatherRunParameters, BothStationsAndDistanceInEitherUnit) {
    WindowInputs in = StartingWindow();
    in.DX.LonDeg = "90";
    RunParameters p = Gather(in);
    EXPECT_TRUE(p.BothStations);
    EXPECT_DOUBLE_EQ(p.DxDistance, 10000.8);
    EXPECT_EQ(p.UnitsLabel, "KM");

    in.UnitsIndex = 1;
    in.DX.DisplayChecked = false;
    p = Gather(in);
    EXPECT_FALSE(p.BothStations);
    EXPECT_DOUBLE_EQ(p.DxDistance, 10000.8 * 3 / 5);
    EXPECT_EQ(p.UnitsLabel, "MI");
}

TEST(GatherRunParameters, FixedObjectCoordinatesAndCaption) {
    WindowInputs in = StartingWindow();
    in.CelestialIndex = 2;
    in.CelestialText = "Cassiopeia A";
    in.CelestialRAhours = "23";
    in.CelestialRAminutes = "21";
    in.CelestialDec = "+58.6";
    RunParameters p = Gather(in);
    EXPECT_EQ(p.Object, CelestialObject::CassiopeiaA);
    EXPECT_FALSE(p.IsMoon());
    EXPECT_TRUE(p.IsFixedObject());
    EXPECT_EQ(p.ObjectCaption, "23 H 21 M, +58.6\u00B0");
    EXPECT_FLOAT_EQ(p.ObjectRA, static_cast<float>((23 + 21 / 60.0) * TwoPi / 24));
    EXPECT_FLOAT_EQ(p.ObjectDec, static_cast<float>(58.6 * TwoPi / 360));
    EXPECT_FALSE(p.SunSelected);

    in.CelestialIndex = 1;
    in.CelestialText = "Sun";
    p = Gather(in);
    EXPECT_EQ(p.Object, CelestialObject::Sun);
    EXPECT_TRUE(p.SunSelected);
    EXPECT_EQ(p.ObjectCaption, "");
}

TEST(GatherRunParameters, TheMoonOrNoObjectLeavesTheFixedPlaceEmpty) {
    WindowInputs in = StartingWindow();
    in.CelestialRAhours = "23";
    in.CelestialRAminutes = "21";
    in.CelestialDec = "+58.6";
    RunParameters p = Gather(in);
    EXPECT_EQ(p.Object, CelestialObject::Moon);
    EXPECT_TRUE(p.IsMoon());
    EXPECT_FALSE(p.IsFixedObject());
    EXPECT_EQ(p.ObjectRA, 0.0f);
    EXPECT_EQ(p.ObjectCaption, "");

    in.CelestialIndex = -1;
    in.CelestialText = "Sun";
    p = Gather(in);
    EXPECT_FALSE(p.Object.has_value());
    EXPECT_FALSE(p.IsMoon());
    EXPECT_FALSE(p.IsFixedObject());
    EXPECT_FALSE(p.SunSelected);
    EXPECT_EQ(p.ObjectRA, 0.0f);
    EXPECT_EQ(p.ObjectCaption, "");
}

TEST(GatherRunParameters, OperationAndDisplayChoices) {
    WindowInputs in = StartingWindow();
    RunParameters p = Gather(in);
    EXPECT_EQ(p.Operation, RunOperation::Planning);
    EXPECT_TRUE(p.DisplayHome);
    EXPECT_TRUE(p.DisplayDX);
    EXPECT_EQ(p.Units, DistanceUnit::Kilometres);

    in.OperationIndex = -1;
    in.Home.DisplayChecked = false;
    in.UnitsIndex = -1;
    p = Gather(in);
    EXPECT_FALSE(p.Operation.has_value());
    EXPECT_FALSE(p.DisplayHome);
    EXPECT_TRUE(p.DisplayDX);
    EXPECT_FALSE(p.BothStations);
    EXPECT_EQ(p.Units, DistanceUnit::Kilometres);
    EXPECT_EQ(p.UnitsLabel, "KM");

    in.OperationIndex = 1;
    in.UnitsIndex = 1;
    p = Gather(in);
    EXPECT_EQ(p.Operation, RunOperation::RealTime);
    EXPECT_EQ(p.Units, DistanceUnit::Miles);
}

TEST(GatherRunParameters, NumbersBeyondSixteenBitsAreRefusedByName) {
    struct Case {
        std::string WindowInputs::*field;
        const char* Name;
    };
    const Case cases[] = {{&WindowInputs::YearStart, "start year"},
                          {&WindowInputs::YearEnd, "end year"},
                          {&WindowInputs::IncrementMinutes, "Increment"},
                          {&WindowInputs::OutputLines, "Lines per output page"}};
    for (const auto& c : cases) {
        WindowInputs in = StartingWindow();
        in.*(c.field) = "40000";
        const auto result = GatherRunParameters(in);
        ASSERT_TRUE(std::holds_alternative<RunMessage>(result)) << c.Name;
        EXPECT_NE(std::get<RunMessage>(result).Text.find(c.Name), std::string::npos);
    }
}

}  // namespace
}  // namespace velmorant
