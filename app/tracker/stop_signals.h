// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGINT and SIGTERM taken as a request to stop, for a command that runs until it is stopped: the
// handler only notes the signal, and the command's loop looks at it and ends in good order.

namespace velmorant {

class StopSignals {
  public:
    // From now on SIGINT and SIGTERM are noted instead of ending the program.
    StopSignals();
    // The handlers the program had before.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Whether either signal arrived since the object was made.
    bool Raised() const;

  private:
    void (*previousInterrupt_)(int) = nullptr;
    void (*previousTerminate_)(int) = nullptr;
};

}  // namespace velmorant
