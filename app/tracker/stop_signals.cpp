// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tracker/stop_signals.h"

#include <csignal>

namespace velmorant {

namespace {

volatile std::sig_atomic_t gStopRequested = 0;

extern "C" void NoteStop(int) {
    gStopRequested = 1;
}

}  // namespace

StopSignals::StopSignals() {
    gStopRequested = 0;
    previousInterrupt_ = std::signal(SIGINT, NoteStop);
    previousTerminate_ = std::signal(SIGTERM, NoteStop);
}

StopSignals::~StopSignals() {
    std::signal(SIGINT, previousInterrupt_ == SIG_ERR ? SIG_DFL : previousInterrupt_);
    std::signal(SIGTERM, previousTerminate_ == SIG_ERR ? SIG_DFL : previousTerminate_);
}

bool StopSignals::Raised() const {
    return gStopRequested != 0;
}

}  // namespace velmorant
