// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/run_choices.h"

#include <optional>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(RunChoices, OperationListPositions) {
    EXPECT_EQ(RunOperationAt(0), RunOperation::Planning);
    EXPECT_EQ(RunOperationAt(1), RunOperation::RealTime);
    EXPECT_EQ(RunOperationAt(-1), std::nullopt);
    EXPECT_EQ(RunOperationAt(2), std::nullopt);
}

TEST(RunChoices, ObjectListPositionsInTheListsOrder) {
    const CelestialObject inOrder[] = {
        CelestialObject::Moon,         CelestialObject::Sun,          CelestialObject::CassiopeiaA,
        CelestialObject::CygnusA,      CelestialObject::Sagittarius,  CelestialObject::TaurusA,
        CelestialObject::ColdSkyNorth, CelestialObject::ColdSkySouth, CelestialObject::Other,
    };
    for (int position = 0; position < 9; ++position) {
        EXPECT_EQ(CelestialObjectAt(position), inOrder[position]) << position;
    }
    EXPECT_EQ(CelestialObjectAt(-1), std::nullopt);
    EXPECT_EQ(CelestialObjectAt(9), std::nullopt);
}

TEST(RunChoices, MilesFromPositionOneOnAndKilometresOtherwise) {
    EXPECT_EQ(DistanceUnitAt(0), DistanceUnit::Kilometres);
    EXPECT_EQ(DistanceUnitAt(-1), DistanceUnit::Kilometres);
    EXPECT_EQ(DistanceUnitAt(1), DistanceUnit::Miles);
    EXPECT_EQ(DistanceUnitAt(2), DistanceUnit::Miles);
}

}  // namespace
}  // namespace velmorant
