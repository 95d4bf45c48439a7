// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/real_time_pass.h"

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "core/common/numeric.h"
#include "run/realtime/real_time_map.h"
#include "tests/run/realtime/real_time_fixtures.h"

namespace velmorant {
namespace {

using testing::At;
using testing::DefaultRealTimeInputs;
using testing::Gathered;
using testing::ShippedSky;
using testing::WithObject;
using testing::WithStations;

// A pass shows, for its UTC minute, the values the planning report prints for that instant. The
// expected texts are those of the reports in tests/data/plan (named per case), which were
// computed independently of this program; the local clock and TimeDif lead to the UTC minute.
struct ReportCase {
    const char* Scenario;
    WindowInputs Inputs;
    const char* TimeDif;
    LocalDateTime Local;
    const char* UtcTime;
    const char* UtcDate;
    const char* HomeAzimuth;  // nullptr: Home not displayed
    const char* HomeElevation;
    TextColour HomeColour;
    const char* DxAzimuth;  // nullptr: DX not displayed
    const char* DxElevation;
    TextColour DxColour;
    const char* Polarization;  // nullptr: not shown (the Moon for both stations only)
    const char* Degradation;   // nullptr: not the Moon
    TextColour DegradationColour;
};

TEST(RealTimePass, ShowsWhatThePlanningReportPrintsForTheSameMinute) {
    constexpr auto System = TextColour::SystemText;
    constexpr auto Red = TextColour::Red;
    const WindowInputs moon = DefaultRealTimeInputs();
    const ReportCase cases[] = {
        {"moon-both-callsigns 1800", moon, "0", At(2016, 3, 16, 18, 0, 7), "18:00:07",
         "MAR 16, 2016", "173.3", " 59.3", System, " 77.6", " 12.5", System, " 45\u00B0", "  -4.0",
         TextColour::Yellow},
        // The local clock an hour ahead of UTC; a Home elevation below zero is red.
        {"moon-both-callsigns 0100", moon, "1", At(2016, 3, 16, 2, 0, 0), "01:00:00",
         "MAR 16, 2016", "297.3", " -0.4", Red, "231.7", " 57.0", System, "  1\u00B0", "  -4.7",
         TextColour::Orange},
        // The UTC date is the next day: the Moon's distances are those of the 17th.
        {"moon-both-callsigns 0200 of the 17th", moon, "-5.5", At(2016, 3, 16, 20, 30, 59),
         "02:00:59", "MAR 17, 2016", "298.2", " -1.6", Red, "233.3", " 55.8", System, " -1\u00B0",
         "  -3.6", TextColour::Yellow},
        {"moon-home-only 1200", WithStations(moon, true, false), "0", At(2016, 3, 16, 12, 0, 30),
         "12:00:30", "MAR 16, 2016", " 77.4", " 12.3", System, nullptr, nullptr, System, nullptr,
         "  -4.2", TextColour::Orange},
        {"cassiopeia-a-home 1200",
         WithStations(WithObject(moon, 2, "Cassiopeia A", "23", "21", "+58.6"), true, false), "0",
         At(2016, 3, 16, 12, 0, 0), "12:00:00", "MAR 16, 2016", "324.0", " 76.0", System, nullptr,
         nullptr, System, nullptr, nullptr, TextColour::Green},
        {"other-home 0000",
         WithStations(WithObject(moon, 8, "(Other)", "12", "29", "+2.05"), true, false), "0",
         At(2016, 3, 16, 0, 0, 12), "00:00:12", "MAR 16, 2016", "177.8", " 43.9", System, nullptr,
         nullptr, System, nullptr, nullptr, TextColour::Green},
        {"cold-sky-south-dx-only 0000",
         WithStations(WithObject(moon, 7, "Cold Sky South", "5", "30", "-40"), false, true), "0",
         At(2016, 3, 16, 0, 0, 0), "00:00:00", "MAR 16, 2016", nullptr, nullptr, System, "194.4",
         "  6.5", System, nullptr, nullptr, TextColour::Green},
        // The local clock sixteen hours behind UTC, on the evening before.
        {"sun-dx-only 1200", WithStations(WithObject(moon, 1, "Sun"), false, true), "-16",
         At(2016, 6, 20, 20, 0, 45), "12:00:45", "JUN 21, 2016", nullptr, nullptr, System, " 82.2",
         " 27.6", System, nullptr, nullptr, TextColour::Green},
    };
    for (const auto& c : cases) {
        WindowInputs inputs = c.Inputs;
        inputs.TimeDif = c.TimeDif;
        const RealTimePassResult pass = RealTimePass(Gathered(inputs), ShippedSky(), c.Local);
        const RealTimeFrame& frame = pass.Frame;
        SCOPED_TRACE(c.Scenario);
        EXPECT_EQ(frame.UtcTime, c.UtcTime);
        EXPECT_EQ(frame.UtcDate, c.UtcDate);
        EXPECT_EQ(frame.HomeAzimuth, c.HomeAzimuth ? c.HomeAzimuth : "");
        EXPECT_EQ(frame.HomeElevation, c.HomeElevation ? c.HomeElevation : "");
        EXPECT_EQ(frame.DXAzimuth, c.DxAzimuth ? c.DxAzimuth : "");
        EXPECT_EQ(frame.DXElevation, c.DxElevation ? c.DxElevation : "");
        if (c.HomeAzimuth) {
            EXPECT_EQ(frame.HomeElevationColour, c.HomeColour);
        }
        if (c.DxAzimuth) {
            EXPECT_EQ(frame.DXElevationColour, c.DxColour);
        }
        if (c.Polarization) {
            EXPECT_EQ(frame.PolarizationText, c.Polarization);
        }
        EXPECT_EQ(frame.DegradationText, c.Degradation ? c.Degradation : "");
        if (c.Degradation) {
            EXPECT_EQ(frame.DegradationColour, c.DegradationColour);
        }
    }
}

struct VisibilityCase {
    int Object;  // list position; 0 is the Moon
    const char* Text;
    bool Home, Dx;
    bool Degradation, Polarization, Headings;
};

TEST(RealTimePass, VisibilityFollowsTheObjectAndTheDisplayedStations) {
    const VisibilityCase cases[] = {
        {0, "Moon", true, true, true, true, true},
        {0, "Moon", true, false, true, false, true},
        {0, "Moon", false, true, true, false, true},
        {0, "Moon", false, false, true, false, false},
        {1, "Sun", true, true, false, false, true},
        {1, "Sun", false, true, false, false, true},
        {2, "Cassiopeia A", true, false, false, false, true},
        {8, "(Other)", false, false, false, false, false},
    };
    for (const auto& c : cases) {
        const WindowInputs inputs =
            WithStations(WithObject(DefaultRealTimeInputs(), c.Object, c.Text, "23", "21", "+58.6"),
                         c.Home, c.Dx);
        const RealTimeFrame frame =
            RealTimePass(Gathered(inputs), ShippedSky(), At(2016, 3, 16, 12, 0, 0)).Frame;
        SCOPED_TRACE(std::string(c.Text) + (c.Home ? " Home" : "") + (c.Dx ? " DX" : ""));
        EXPECT_EQ(frame.CelestialCaption, c.Text);
        EXPECT_EQ(frame.ShowDegradation, c.Degradation);
        EXPECT_EQ(frame.ShowPolarization, c.Polarization);
        EXPECT_EQ(frame.ShowHeadings, c.Headings);
        EXPECT_EQ(frame.ShowHome, c.Home);
        EXPECT_EQ(frame.ShowDX, c.Dx);
        // A hidden station's callsign label is emptied; its values are not set.
        EXPECT_EQ(frame.CallsignHome, c.Home ? "DL1ABC" : "");
        EXPECT_EQ(frame.CallsignDX, c.Dx ? "W1XYZ" : "");
        EXPECT_EQ(frame.HomeAzimuth.empty(), !c.Home);
        EXPECT_EQ(frame.DXElevation.empty(), !c.Dx);
        EXPECT_EQ(frame.DegradationText.empty(), !c.Degradation);
    }
}

TEST(RealTimePass, AStationWithoutACallsignIsNamedByItsLocatorInItsRowAndOnTheMap) {
    WindowInputs inputs = DefaultRealTimeInputs();
    inputs.Home.Callsign = "";
    inputs.DX.Callsign = "   ";
    const RunParameters params = Gathered(inputs);
    const RealTimePassResult pass = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 12, 0, 0));
    EXPECT_EQ(pass.Frame.CallsignHome, "JN58td");
    EXPECT_EQ(pass.Frame.CallsignDX, "FN31pq");
    double previous = 0;
    const MapUpdateFrame map = MapUpdate(params, pass, previous);
    ASSERT_EQ(map.Stations.size(), 2u);
    EXPECT_EQ(map.Stations[0].Caption, "JN58td");
    EXPECT_EQ(map.Stations[1].Caption, "FN31pq");
}

// The labels of a pass whose values are set by hand.
RealTimeFrame LabelsOf(const RealTimePassResult& pass, const char* timeDif = "0") {
    WindowInputs inputs = DefaultRealTimeInputs();
    inputs.TimeDif = timeDif;
    return RealTimeLabels(Gathered(inputs), pass, At(2016, 3, 2, 7, 5, 9));
}

struct DegradationCase {
    float Db;
    const char* Text;
    TextColour Colour;
};

TEST(RealTimeLabels, TheDegradationBoxShowsMinusTheRoundedValueInItsBandColour) {
    const DegradationCase cases[] = {
        {0.0f, "   0.0", TextColour::Green},   {2.0f, "  -2.0", TextColour::Green},
        {2.04f, "  -2.0", TextColour::Green},  {2.06f, "  -2.1", TextColour::Yellow},
        {3.24f, "  -3.2", TextColour::Yellow}, {4.0f, "  -4.0", TextColour::Yellow},
        {4.06f, "  -4.1", TextColour::Orange}, {6.0f, "  -6.0", TextColour::Orange},
        {6.04f, "  -6.0", TextColour::Orange}, {6.06f, "  -6.1", TextColour::Red},
        {12.34f, " -12.3", TextColour::Red},   {-0.5f, "   0.5", TextColour::Green},
    };
    RealTimePassResult pass;
    pass.Moon = true;
    for (const auto& c : cases) {
        pass.Degradation = c.Db;
        const RealTimeFrame frame = LabelsOf(pass);
        EXPECT_EQ(frame.DegradationText, c.Text) << c.Db;
        EXPECT_EQ(frame.DegradationColour, c.Colour) << c.Db;
    }
}

struct ElevationCase {
    double Degrees;
    const char* Text;
    TextColour Colour;
};

TEST(RealTimeLabels, TheElevationColourReadsTheUnroundedElevation) {
    const ElevationCase cases[] = {
        {-0.04, "  0.0", TextColour::Red},       {0.0, "  0.0", TextColour::SystemText},
        {0.04, "  0.0", TextColour::SystemText}, {-0.06, " -0.1", TextColour::Red},
        {-3.04, " -3.0", TextColour::Red},       {45.26, " 45.3", TextColour::SystemText},
    };
    for (const auto& c : cases) {
        RealTimePassResult pass;
        pass.Home.ElevationSingle = static_cast<float>(c.Degrees * DegToRad);
        pass.DX.ElevationSingle = pass.Home.ElevationSingle;
        const RealTimeFrame frame = LabelsOf(pass);
        EXPECT_EQ(frame.HomeElevation, c.Text) << c.Degrees;
        EXPECT_EQ(frame.HomeElevationColour, c.Colour) << c.Degrees;
        EXPECT_EQ(frame.DXElevation, c.Text) << c.Degrees;
        EXPECT_EQ(frame.DXElevationColour, c.Colour) << c.Degrees;
    }
}

TEST(RealTimeLabels, ThePolarizationOffsetIsWholeDegreesRightAlignedInThree) {
    const std::pair<float, const char*> cases[] = {{0.0f, "  0\u00B0"},
                                                   {7.0f, "  7\u00B0"},
                                                   {-7.0f, " -7\u00B0"},
                                                   {90.0f, " 90\u00B0"},
                                                   {-90.0f, "-90\u00B0"}};
    for (const auto& [offset, text] : cases) {
        RealTimePassResult pass;
        pass.PolarizationOffset = offset;
        EXPECT_EQ(LabelsOf(pass).PolarizationText, text) << offset;
    }
}

TEST(RealTimePass, TheLocalClockIsShownOnlyWhenTheComputerIsNotOnUtc) {
    struct Case {
        const char* TimeDif;
        const char* Caption;
        const char* LocalTime;
        const char* LocalDate;
        const char* UtcTime;
        const char* UtcDate;
    };
    const Case cases[] = {
        {"0", "", "", "", "03:10:20", "MAR 16, 2016"},
        {"5.5", "Local Clock:", "03:10:20", "MAR 16, 2016", "21:40:20", "MAR 15, 2016"},
        {"-1", "Local Clock:", "03:10:20", "MAR 16, 2016", "04:10:20", "MAR 16, 2016"},
    };
    for (const auto& c : cases) {
        WindowInputs inputs = DefaultRealTimeInputs();
        inputs.TimeDif = c.TimeDif;
        const RealTimeFrame frame =
            RealTimePass(Gathered(inputs), ShippedSky(), At(2016, 3, 16, 3, 10, 20)).Frame;
        EXPECT_EQ(frame.LocalClockCaption, c.Caption) << c.TimeDif;
        EXPECT_EQ(frame.LocalTime, c.LocalTime) << c.TimeDif;
        EXPECT_EQ(frame.LocalDate, c.LocalDate) << c.TimeDif;
        EXPECT_EQ(frame.UtcTime, c.UtcTime) << c.TimeDif;
        EXPECT_EQ(frame.UtcDate, c.UtcDate) << c.TimeDif;
    }
}

TEST(RealTimePass, ThePositionHoldsForTheWholeMinute) {
    const RunParameters params = Gathered(DefaultRealTimeInputs());
    const RealTimePassResult first = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 18, 0, 0));
    const RealTimePassResult last = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 18, 0, 59));
    const RealTimePassResult next = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 18, 1, 0));
    EXPECT_EQ(first.GreenwichHourAngle, last.GreenwichHourAngle);
    EXPECT_EQ(first.Home.Azimuth, last.Home.Azimuth);
    EXPECT_EQ(first.DX.Elevation, last.DX.Elevation);
    EXPECT_NE(first.GreenwichHourAngle, next.GreenwichHourAngle);
}

TEST(RealTimePass, NoFilterAndNoStationAreRequired) {
    WindowInputs inputs = WithStations(DefaultRealTimeInputs(), false, false);
    RunParameters params = Gathered(inputs);
    // Windows a planning run would apply: none of them touches a real-time pass.
    params.AzMinRad = params.AzMaxRad = 0.1f;
    params.GmtWindowLow = params.GmtWindowHigh = 100;
    params.Home.AboveRad = params.DX.AboveRad = 1.5f;
    const RealTimePassResult pass = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 12, 0, 0));
    EXPECT_EQ(pass.Home.Azimuth, 0.0);
    EXPECT_EQ(pass.DX.Azimuth, 0.0);
    EXPECT_EQ(pass.Frame.DegradationText, "  -4.2");  // moon-home-only 1200

    params.DisplayHome = true;
    const RealTimePassResult home = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 1, 0, 0));
    EXPECT_EQ(home.Frame.HomeAzimuth, "297.3");  // moon-both-callsigns 0100, below the horizon
    EXPECT_EQ(home.Frame.HomeElevation, " -0.4");
}

TEST(AngleText, RoundsHalfUpToOneDecimalRightAlignedInFive) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "  0.0"},    {45.26, " 45.3"}, {359.96, "360.0"},
        {-3.04, " -3.0"},  {-0.04, "  0.0"}, {123.42, "123.4"},
        {-12.34, "-12.3"}, {5.0, "  5.0"},   {-179.96, "-180.0"}};
    for (const auto& [degrees, text] : cases) {
        EXPECT_EQ(AngleText(degrees * DegToRad), text) << degrees;
    }
}

TEST(DateText, IsTheMonthTheDayAndTheYear) {
    EXPECT_EQ(DateText(2016, 3, 2), "MAR 2, 2016");
    EXPECT_EQ(DateText(2016, 12, 31), "DEC 31, 2016");
    EXPECT_EQ(DateText(2017, 1, 1), "JAN 1, 2017");
}

// The display as the window runs it: one pass per listed UTC time, the fresh flag cleared after
// the first update. Returns the times that ran the map update.
std::vector<std::string> UpdatesOf(const std::vector<std::array<int, 4>>& ticks) {
    std::vector<std::string> updates;
    bool fresh = true;
    long long lastMinute = -1;
    for (const auto& [day, hour, minute, second] : ticks) {
        RealTimePassResult pass;
        pass.DayNumber = DayNumber(2016, 3, day);
        pass.Utc.Day = day;
        pass.Utc.Hour = hour;
        pass.Utc.Minute = minute;
        pass.Utc.Second = second;
        if (MinuteUpdateDue(pass, fresh, lastMinute)) {
            fresh = false;
            char text[16];
            std::snprintf(text, sizeof text, "%02d %02d:%02d:%02d", day, hour, minute, second);
            updates.emplace_back(text);
        }
    }
    return updates;
}

// Every second from h:m:s of the 16th for `count` seconds, optionally without one second.
std::vector<std::array<int, 4>> Seconds(int hour, int minute, int second, int count,
                                        int skipped = -1) {
    std::vector<std::array<int, 4>> ticks;
    int t = (hour * 60 + minute) * 60 + second;
    for (int i = 0; i < count; ++i, ++t) {
        if (t != skipped) {
            ticks.push_back({16 + t / 86400, t / 3600 % 24, t / 60 % 60, t % 60});
        }
    }
    return ticks;
}

int SecondOf(int hour, int minute, int second) {
    return (hour * 60 + minute) * 60 + second;
}

TEST(MinuteUpdateDue, EveryMinuteGetsOneUpdateAndTheFirstComesAtOnce) {
    using Updates = std::vector<std::string>;
    EXPECT_EQ(UpdatesOf(Seconds(12, 0, 30, 100)),
              (Updates{"16 12:00:30", "16 12:01:00", "16 12:02:00"}));
    EXPECT_EQ(UpdatesOf(Seconds(12, 0, 0, 61)), (Updates{"16 12:00:00", "16 12:01:00"}));
    // A first pass at second 01 leaves the first update to the next pass.
    EXPECT_EQ(UpdatesOf(Seconds(12, 0, 1, 60)), (Updates{"16 12:00:02", "16 12:01:00"}));
    // A late tick skipped 12:03:00: the minute is served by its first pass.
    EXPECT_EQ(UpdatesOf(Seconds(12, 2, 58, 5, SecondOf(12, 3, 0))),
              (Updates{"16 12:02:58", "16 12:03:01"}));
    // Midnight: the new date's first minute is a new minute.
    EXPECT_EQ(UpdatesOf(Seconds(23, 59, 58, 4)), (Updates{"16 23:59:58", "17 00:00:00"}));
}

TEST(MinuteUpdateDue, TheSameClockMinuteOfAnotherDateIsANewMinute) {
    EXPECT_EQ(UpdatesOf({{16, 12, 0, 20}, {17, 12, 0, 20}, {17, 12, 0, 21}}),
              (std::vector<std::string>{"16 12:00:20", "17 12:00:20"}));
}

TEST(MinuteUpdateDue, AFreshDisplayUpdatesEvenInAMinuteAlreadyServed) {
    RealTimePassResult pass;
    pass.DayNumber = DayNumber(2016, 3, 16);
    pass.Utc.Hour = 12;
    pass.Utc.Second = 40;
    long long lastMinute = -1;
    EXPECT_TRUE(MinuteUpdateDue(pass, true, lastMinute));
    const long long served = lastMinute;
    pass.Utc.Second = 45;
    EXPECT_FALSE(MinuteUpdateDue(pass, false, lastMinute));
    EXPECT_TRUE(MinuteUpdateDue(pass, true, lastMinute));  // stopped and started again
    EXPECT_EQ(lastMinute, served);
    pass.Utc.Second = 1;
    EXPECT_FALSE(MinuteUpdateDue(pass, true, lastMinute));
}

}  // namespace
}  // namespace velmorant
