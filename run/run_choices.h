// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// The choices of the window's lists as a run understands them. The window snapshot
// (WindowInputs) keeps the raw list positions; these name what a position means.

namespace velmorant {

// What RUN does, from the operation list (position 0 Planning, 1 Real-Time).
enum class RunOperation { Planning, RealTime };

// The objects of the window's object list, in the list's order: a saved defaults file stores the
// position, so the order never changes. Other is the custom object typed by name and RA/Dec.
enum class CelestialObject {
    Moon,
    Sun,
    CassiopeiaA,
    CygnusA,
    Sagittarius,
    TaurusA,
    ColdSkyNorth,
    ColdSkySouth,
    Other,
};

// The distance unit chosen in the units list (position 0 km, 1 mi).
enum class DistanceUnit { Kilometres, Miles };

// The operation at a list position; nothing for -1 (none chosen) or a position beyond the list.
std::optional<RunOperation> RunOperationAt(int listPosition);

// The object at a list position; nothing for -1 (none chosen) or a position beyond the list.
std::optional<CelestialObject> CelestialObjectAt(int listPosition);

// The unit at a list position: miles from position 1 on; km for position 0 and for none chosen.
DistanceUnit DistanceUnitAt(int listPosition);

}  // namespace velmorant
