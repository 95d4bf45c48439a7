// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/input_ranges.h"

#include <functional>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "run/run_parameters.h"
#include "tests/run/realtime/real_time_fixtures.h"

namespace velmorant {
namespace {

// A window with every value in range: the shipped defaults (Home in Munich, DX in Connecticut,
// the Moon) in Planning.
WindowInputs ValidWindow() {
    WindowInputs in = testing::DefaultRealTimeInputs();
    in.OperationIndex = 0;
    in.MaxDegradation = "0";
    return in;
}

// Types a text into one box of the snapshot.
using Put = std::function<void(WindowInputs&, const std::string&)>;

struct RangeCase {
    const char* Text;
    Put Type;
    const char* Refusal;  // the words the message starts with, or nullptr: accepted
};

const Put YearStart = [](WindowInputs& in, const std::string& t) { in.YearStart = t; };
const Put YearEnd = [](WindowInputs& in, const std::string& t) { in.YearEnd = t; };
const Put HomeLatDeg = [](WindowInputs& in, const std::string& t) { in.Home.LatDeg = t; };
const Put HomeLatMin = [](WindowInputs& in, const std::string& t) { in.Home.LatMin = t; };
const Put DXLonDeg = [](WindowInputs& in, const std::string& t) { in.DX.LonDeg = t; };
const Put DXLonSec = [](WindowInputs& in, const std::string& t) { in.DX.LonSec = t; };
const Put HomeAbove = [](WindowInputs& in, const std::string& t) { in.Home.Above = t; };
const Put DXBelow = [](WindowInputs& in, const std::string& t) { in.DX.Below = t; };
const Put Noise = [](WindowInputs& in, const std::string& t) { in.Noise = t; };
const Put Band = [](WindowInputs& in, const std::string& t) { in.Band = t; };
const Put Increment = [](WindowInputs& in, const std::string& t) { in.IncrementMinutes = t; };
const Put Lines = [](WindowInputs& in, const std::string& t) { in.OutputLines = t; };
const Put AzMin = [](WindowInputs& in, const std::string& t) { in.AzMin = t; };
const Put GmtMax = [](WindowInputs& in, const std::string& t) { in.GmtMax = t; };
const Put MaxDegradation = [](WindowInputs& in, const std::string& t) { in.MaxDegradation = t; };

TEST(InputRangeRefusal, EachBoxAtAndBeyondItsBounds) {
    const RangeCase cases[] = {
        {"1900", YearStart, nullptr},
        {"2100", YearEnd, nullptr},
        {"1899", YearStart, "The start year must be a whole number from 1900 to 2100"},
        {"abcd", YearStart, "The start year"},  // a typo reads as year 0
        {"", YearStart, "The start year"},
        {"NaN", YearEnd, "The end year"},
        {"2016.5", YearEnd, "The end year"},
        {"2101", YearEnd, "The end year"},
        {"89", HomeLatDeg, nullptr},
        {"90", HomeLatDeg, "The Home latitude must be between 90 S and 90 N"},  // 90 8 45
        {"999", HomeLatDeg, "The Home latitude degrees must be between 90 S and 90 N"},
        {"60", HomeLatMin, nullptr},
        {"61", HomeLatMin, "The Home latitude minutes"},
        {"180", DXLonDeg, "The DX longitude must be between 180 W and 180 E"},  // 180 42 30
        {"-180", DXLonDeg, nullptr},  // a typed minus: 180 W less 42 30, so 179 17 30 E
        {"1e308", DXLonDeg, "The DX longitude degrees"},
        {"1e999", DXLonSec, "The DX longitude seconds"},  // reads as infinity
        {"-90", HomeAbove, nullptr},
        {"-91", HomeAbove, "The Home elevation limit Above"},
        {"91", DXBelow, "The DX elevation limit Below"},
        {"0", Noise, nullptr},
        {"", Noise, nullptr},  // a fresh window's empty box: 0 K
        {"100000", Noise, nullptr},
        {"-195", Noise, "The receiver noise temperature must be between 0 and 100000 K"},
        {"-0.5", Noise, "The receiver noise temperature"},
        {"4e38", Noise, "The receiver noise temperature"},
        {"", Band, "The band"},
        {"1440", Increment, nullptr},
        {"0", Increment, "The Increment in minutes must be between 1 and 1440 minutes"},
        {"1441", Increment, "The Increment in minutes"},
        {"70000", Increment, "The Increment in minutes"},
        {"0", Lines, nullptr},
        {"-1", Lines, "The Lines per output page"},
        {"40000", Lines, "The Lines per output page"},
        {"-5", AzMin, "The easternmost azimuth"},
        {"2500", GmtMax, "The GMT ending time"},
        {"1e999", MaxDegradation, "The maximum degradation"},
        {"-1", MaxDegradation, "The maximum degradation must be 0 dB or more"},
    };
    for (const RangeCase& c : cases) {
        WindowInputs in = ValidWindow();
        c.Type(in, c.Text);
        const auto refusal = InputRangeRefusal(in);
        if (c.Refusal == nullptr) {
            EXPECT_FALSE(refusal) << '"' << c.Text << "\": " << refusal->Text;
            continue;
        }
        ASSERT_TRUE(refusal) << '"' << c.Text << "\" should be refused";
        EXPECT_EQ(refusal->Title, "Input Required");
        EXPECT_TRUE(refusal->Text.starts_with(c.Refusal)) << refusal->Text;
        EXPECT_TRUE(refusal->Text.ends_with(".  Please correct it.")) << refusal->Text;
    }
}

TEST(InputRangeRefusal, OnlyWhatTheModeAndTheObjectUseIsChecked) {
    // Real-Time ignores the dates, the increment and the filters, but not the clock difference.
    WindowInputs realTime = ValidWindow();
    realTime.OperationIndex = 1;
    realTime.YearStart = "abcd";
    realTime.IncrementMinutes = "0";
    realTime.GmtMax = "9999";
    EXPECT_FALSE(InputRangeRefusal(realTime));
    realTime.TimeDif = "25";
    ASSERT_TRUE(InputRangeRefusal(realTime));
    EXPECT_TRUE(InputRangeRefusal(realTime)->Text.starts_with("The Computer Clock Hours"));

    // The Moon has no typed place; any other object does.
    WindowInputs object = ValidWindow();
    object.CelestialRAhours = "25";
    EXPECT_FALSE(InputRangeRefusal(object));
    object.CelestialIndex = 8;
    object.CelestialText = "(Other)";
    ASSERT_TRUE(InputRangeRefusal(object));
    EXPECT_TRUE(InputRangeRefusal(object)->Text.starts_with("The right ascension hours"));
    object.CelestialRAhours = "23";
    object.CelestialDec = "-90.5";
    ASSERT_TRUE(InputRangeRefusal(object));
    EXPECT_TRUE(InputRangeRefusal(object)->Text.starts_with("The declination"));

    // A list with nothing chosen gives no date.
    WindowInputs noMonth = ValidWindow();
    noMonth.MonthStartIndex = -1;
    ASSERT_TRUE(InputRangeRefusal(noMonth));
    EXPECT_TRUE(InputRangeRefusal(noMonth)->Text.starts_with("The start date"));
}

TEST(InputRangeRefusal, GatheringRefusesBeforeAnythingElse) {
    WindowInputs in = ValidWindow();
    EXPECT_TRUE(std::holds_alternative<RunParameters>(GatherRunParameters(in)));
    in.Home.LatDeg = "999";
    const auto gathered = GatherRunParameters(in);
    ASSERT_TRUE(std::holds_alternative<RunMessage>(gathered));
    EXPECT_TRUE(std::get<RunMessage>(gathered).Text.starts_with("The Home latitude"));
}

}  // namespace
}  // namespace velmorant
