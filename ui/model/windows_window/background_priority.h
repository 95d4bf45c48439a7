// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Work the operator did not ask to wait for (a long windows pass) runs below the window's thread,
// so that the clock, the rotator and the real-time display keep their second even when every
// core is busy.

namespace velmorant {

// Lowers the calling thread's scheduling priority (threads it starts afterwards inherit it on
// Linux), never raises it. Nothing happens where the system offers no such thing or refuses.
void LowerThisThreadsPriority();

}  // namespace velmorant
