#pragma once

#include "run/clock.h"

namespace velmorant {

// The computer's own clock in its local time zone.
class LocalClock : public Clock {
  public:
    LocalDateTime Now() const override;
};

}  // namespace velmorant
