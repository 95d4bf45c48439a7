// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window/background_priority.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

namespace velmorant {

namespace {

// A nice value of 10: a tenth of the share of a thread at the default 0 under Linux's
// scheduler, which still uses every idle core.
constexpr int kBackgroundNice = 10;

}  // namespace

void LowerThisThreadsPriority() {
#if defined(__linux__)
    // On Linux each thread has a nice value of its own, named by its thread id; one already
    // lower in priority (a program started with nice) is left as it is.
    const auto thread = static_cast<id_t>(gettid());
    if (getpriority(PRIO_PROCESS, thread) < kBackgroundNice) {
        setpriority(PRIO_PROCESS, thread, kBackgroundNice);
    }
#elif defined(_WIN32)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#endif
}

}  // namespace velmorant
