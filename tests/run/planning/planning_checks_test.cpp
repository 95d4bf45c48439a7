// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/planning_checks.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

RunParameters MoonForHome() {
    RunParameters p;
    p.Object = CelestialObject::Moon;
    p.DisplayHome = true;
    return p;
}

TEST(PlanningRefusal, NothingStopsAnObjectWithAStation) {
    EXPECT_FALSE(PlanningRefusal(MoonForHome()).has_value());
    RunParameters dxOnly = MoonForHome();
    dxOnly.DisplayHome = false;
    dxOnly.DisplayDX = true;
    dxOnly.Object = CelestialObject::Other;
    EXPECT_FALSE(PlanningRefusal(dxOnly).has_value());
}

TEST(PlanningRefusal, NoObjectChosenComesFirst) {
    RunParameters p = MoonForHome();
    p.Object.reset();
    p.DisplayHome = false;
    const auto refusal = PlanningRefusal(p);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Title, "Input Required");
    EXPECT_EQ(refusal->Text, "Please select a Celestial Object for Tracking from the Object list.");
}

TEST(PlanningRefusal, NoStationChosen) {
    RunParameters p = MoonForHome();
    p.DisplayHome = false;
    const auto refusal = PlanningRefusal(p);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Title, "Display Selection");
}

}  // namespace
}  // namespace velmorant
