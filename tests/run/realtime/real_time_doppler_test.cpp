// SPDX-License-Identifier: GPL-3.0-or-later
// What this feature set adds to a real-time frame: the Doppler row, the clock check and the
// object's sub-point on the map.

#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "core/common/constants.h"
#include "run/realtime/clock_check.h"
#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"
#include "run/utc_now.h"
#include "tests/run/realtime/real_time_fixtures.h"

namespace velmorant {
namespace {

using testing::At;
using testing::DefaultRealTimeInputs;
using testing::Gathered;
using testing::ShippedSky;
using testing::WithObject;
using testing::WithStations;

RealTimePassResult PassFor(const WindowInputs& inputs, const LocalDateTime& local,
                           std::optional<int> systemOffsetMinutes = std::nullopt) {
    return RealTimePass(Gathered(inputs), ShippedSky(), local, systemOffsetMinutes);
}

// A shift text "-1234 Hz" read back as a number.
long Hertz(const std::string& text) {
    EXPECT_EQ(text.substr(text.size() - 3), " Hz") << text;
    return std::stol(text);
}

TEST(DopplerRow, ShownForTheMoonWithDXBlankWhenDXIsNotDisplayed) {
    struct Case {
        const char* Name;
        WindowInputs Inputs;
        bool Shown;
        bool DXShown;
    };
    const Case cases[] = {
        {"Moon, both stations", DefaultRealTimeInputs(), true, true},
        {"Moon, Home only", WithStations(DefaultRealTimeInputs(), true, false), true, false},
        {"Moon, DX only", WithStations(DefaultRealTimeInputs(), false, true), true, true},
        {"Sun", WithObject(DefaultRealTimeInputs(), 1, "Sun"), false, false},
        {"Cygnus A", WithObject(DefaultRealTimeInputs(), 3, "Cygnus A", "19", "58", "+40.6"), false,
         false},
    };
    for (const Case& c : cases) {
        const RealTimeFrame frame = PassFor(c.Inputs, At(2016, 3, 16, 18, 0, 7)).Frame;
        EXPECT_EQ(frame.ShowDoppler, c.Shown) << c.Name;
        EXPECT_EQ(!frame.EchoDopplerText.empty(), c.Shown) << c.Name;
        EXPECT_EQ(!frame.DXDopplerText.empty(), c.DXShown) << c.Name;
    }
}

// The shift grows with the carrier in proportion (within the rounding to whole hertz), and moves
// with the seconds although the position holds for the whole minute.
TEST(DopplerRow, ScalesWithTheBandAndFollowsTheSeconds) {
    WindowInputs inputs = DefaultRealTimeInputs();
    const RealTimePassResult vhf = PassFor(inputs, At(2016, 3, 16, 18, 0, 7));
    inputs.Band = "10368";
    const RealTimePassResult microwave = PassFor(inputs, At(2016, 3, 16, 18, 0, 7));
    EXPECT_NEAR(Hertz(microwave.Frame.EchoDopplerText), vhf.Doppler.EchoHz * 10368 / 144, 0.5);
    EXPECT_NEAR(Hertz(microwave.Frame.DXDopplerText), vhf.Doppler.DXHz * 10368 / 144, 0.5);

    const RealTimePassResult later = PassFor(inputs, At(2016, 3, 16, 18, 0, 57));
    EXPECT_EQ(later.Home.AzimuthSingle, microwave.Home.AzimuthSingle);
    // The echo at 10 GHz changes by a few hertz in 50 s while the Moon is high for Home.
    EXPECT_GT(std::abs(later.Doppler.EchoHz - microwave.Doppler.EchoHz), 1.0);
}

TEST(ClockCheckText, NamesBothOffsetsWhenTheyDisagree) {
    struct Case {
        float Typed;
        std::optional<int> SystemMinutes;
        const char* Expected;
    };
    const Case cases[] = {
        {0, 0, ""},
        {1, 0, "Clock offset 1 h typed, this computer is 0 h"},
        {-5, 60, "Clock offset -5 h typed, this computer is 1 h"},
        {5.5f, 330, ""},
        {5.75f, 330, "Clock offset 5.75 h typed, this computer is 5.5 h"},
        {-3.5f, -210, ""},
        {0, -210, "Clock offset 0 h typed, this computer is -3.5 h"},
        {1.0001f, 60, ""},  // typed hours count to the minute, as the UTC of a pass takes them
        {2, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClockCheckText(c.Typed, c.SystemMinutes), c.Expected) << c.Typed << " h typed";
    }
}

TEST(ClockCheckText, ReachesTheFrameWhileTheTypedValueStillRulesTheUtc) {
    WindowInputs inputs = DefaultRealTimeInputs();
    inputs.TimeDif = "-5";
    const RealTimePassResult pass = PassFor(inputs, At(2016, 3, 16, 13, 0, 7), 60);
    EXPECT_EQ(pass.Frame.ClockCheck, "Clock offset -5 h typed, this computer is 1 h");
    EXPECT_EQ(pass.Frame.UtcTime, "18:00:07");
}

TEST(SubPoint, StandsWhereTheObjectIsAtTheZenith) {
    const RunParameters params = Gathered(DefaultRealTimeInputs());
    const RealTimePassResult pass = RealTimePass(params, ShippedSky(), At(2016, 3, 16, 18, 0, 7));
    double previous = 0;
    const MapUpdateFrame update = MapUpdate(params, pass, previous);
    ASSERT_TRUE(update.SubPoint.has_value());
    EXPECT_DOUBLE_EQ(update.SubPoint->Y, MapY(pass.Declination));
    EXPECT_DOUBLE_EQ(update.SubPoint->X, MapX(SubPointLongitudeWest(pass.GreenwichHourAngle)));
    EXPECT_EQ(update.SubPoint->Caption, "Moon");
    EXPECT_EQ(update.SubPoint->Colour, (RgbColour{96, 96, 96}));
    // The object is at the zenith there: its elevation seen from the sub-point is 90 degrees.
    const double lon = SubPointLongitudeWest(pass.GreenwichHourAngle);
    const double sinElevation = std::cos(pass.Declination) * std::cos(pass.Declination) *
                                    std::cos(lon - pass.GreenwichHourAngle) +
                                std::sin(pass.Declination) * std::sin(pass.Declination);
    EXPECT_NEAR(sinElevation, 1.0, 1e-12);
}

TEST(SubPoint, TheHourAngleBecomesALongitudeOnTheMap) {
    const struct {
        double GreenwichHourAngle;
        double LongitudeWest;
    } cases[] = {{0, 0}, {1, 1}, {Pi - 1e-9, Pi - 1e-9}, {Pi, -Pi}, {4.5, 4.5 - TwoPi}, {TwoPi, 0}};
    for (const auto& c : cases) {
        EXPECT_NEAR(SubPointLongitudeWest(c.GreenwichHourAngle), c.LongitudeWest, 1e-12)
            << c.GreenwichHourAngle;
    }
}

TEST(SubPoint, ACustomObjectIsNamedByItsOwnName) {
    WindowInputs inputs = WithObject(DefaultRealTimeInputs(), 8, "(Other)", "12", "29", "+2.05");
    inputs.EnterObject = "3C273";
    const RunParameters params = Gathered(inputs);
    const MapSubPoint point =
        SubPointOf(params, RealTimePass(params, ShippedSky(), At(2016, 3, 16, 0, 0, 0)));
    EXPECT_EQ(point.Caption, "3C273");
    EXPECT_EQ(point.Colour, (RgbColour{128, 0, 0}));
}

TEST(LocalFromUtc, IsTheClockThatUtcNowTurnsBackIntoTheInstant) {
    const UtcInstant utc = UtcInstantOf(2016, 12, 31, 23, 45, 30);
    for (const float timeDif : {0.0f, 5.5f, -10.0f, 13.75f}) {
        const UtcInstant back = UtcNow(LocalFromUtc(utc, timeDif), timeDif);
        EXPECT_EQ(back.UtcClock, "23:45:30") << timeDif;
        EXPECT_EQ(back.Day, 31) << timeDif;
        EXPECT_EQ(back.Year, 2016) << timeDif;
    }
}

}  // namespace
}  // namespace velmorant
