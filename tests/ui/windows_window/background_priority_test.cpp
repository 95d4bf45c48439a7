// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/windows_window/background_priority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <thread>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// The calling thread gives way (to a nice value of 10 at least), and the threads it starts
// with it; the others keep theirs.
TEST(BackgroundPriority, LowersTheCallingThreadAndWhatItStartsOnly) {
    const int own = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    int lowered = own;
    int started = own;
    std::thread([&] {
        LowerThisThreadsPriority();
        lowered = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
        std::thread([&] {
            started = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
        }).join();
    }).join();
    EXPECT_GE(lowered, 10);
    EXPECT_GE(lowered, own);
    EXPECT_EQ(started, lowered);
    EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())), own);
}

}  // namespace
}  // namespace velmorant
