// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The most dates a mutual windows pass covers, from the window and from `velmorant windows`:
// the grid of a year at one-minute steps is about 150 MB of per-instant tables, and a year with
// 5,000 stations about 1.6 million windows.

namespace velmorant {

inline constexpr int kMostWindowDays = 366;

}  // namespace velmorant
