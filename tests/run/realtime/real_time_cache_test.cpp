// SPDX-License-Identifier: GPL-3.0-or-later
// The running display's passes keep the date's values and the Doppler frame in a cache: they must
// show what a pass computed afresh (a frame of `velmorant track`) shows.

#include "run/realtime/real_time_cache.h"

#include <optional>

#include <gtest/gtest.h>

#include "run/realtime/real_time_pass.h"
#include "tests/run/realtime/real_time_fixtures.h"

namespace velmorant {
namespace {

using testing::At;
using testing::DefaultRealTimeInputs;
using testing::Gathered;
using testing::ShippedSky;

// The passes of one display, one after the other, across minutes and after the clock jumps. A
// pass that must compute the frame again (the first one, a new minute, a jump to another minute
// or date) has the fresh shifts to the last bit; the others are within 0.01 Hz at the highest
// band the Band box accepts. The date's values are always the fresh ones.
TEST(RealTimeCache, TheDopplerStaysWithinAHundredthOfAHertzAndIsRecomputedAfterAJump) {
    WindowInputs inputs = DefaultRealTimeInputs();
    inputs.Band = "1000000";  // MHz
    const RunParameters params = Gathered(inputs);
    const SkyTemperatureTable sky = ShippedSky();
    const struct {
        LocalDateTime Local;
        bool Recomputed;
    } passes[] = {
        {At(2016, 3, 16, 18, 0, 0), true},   // the first pass
        {At(2016, 3, 16, 18, 0, 1), false},  // the same minute
        {At(2016, 3, 16, 18, 0, 59), false},
        {At(2016, 3, 16, 18, 1, 0), true},  // the next minute
        {At(2016, 3, 16, 18, 1, 59), false},
        {At(2016, 3, 16, 18, 1, 2), false},   // set back within the minute
        {At(2016, 3, 16, 18, 0, 58), true},   // set back into the minute before
        {At(2016, 3, 16, 19, 0, 58), true},   // set forward by an hour
        {At(2016, 3, 17, 19, 0, 59), true},   // the same clock minute a day later
        {At(2016, 3, 17, 23, 59, 30), true},  // set forward
        {At(2016, 3, 18, 0, 0, 0), true},     // midnight: a new date
        {At(2016, 3, 18, 0, 0, 45), false},
    };
    RealTimeCache cache;
    for (const auto& p : passes) {
        const RealTimePassResult cached = RealTimePass(params, sky, p.Local, std::nullopt, cache);
        const RealTimePassResult fresh = RealTimePass(params, sky, p.Local);
        const std::string at = cached.Frame.UtcDate + " " + cached.Frame.UtcTime;
        EXPECT_NEAR(cached.Doppler.EchoHz, fresh.Doppler.EchoHz, 0.01) << at;
        EXPECT_NEAR(cached.Doppler.DXHz, fresh.Doppler.DXHz, 0.01) << at;
        if (p.Recomputed) {
            EXPECT_EQ(cached.Doppler.EchoHz, fresh.Doppler.EchoHz) << at;
            EXPECT_EQ(cached.Doppler.DXHz, fresh.Doppler.DXHz) << at;
        }
        EXPECT_EQ(cached.Distance.DistanceKm, fresh.Distance.DistanceKm) << at;
        EXPECT_EQ(cached.Distance.TurnMark, fresh.Distance.TurnMark) << at;
        EXPECT_EQ(cached.SunRightAscension, fresh.SunRightAscension) << at;
        EXPECT_EQ(cached.Home.AzimuthSingle, fresh.Home.AzimuthSingle) << at;
    }
}

}  // namespace
}  // namespace velmorant
