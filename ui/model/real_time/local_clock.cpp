// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/real_time/local_clock.h"

namespace velmorant {

namespace {

std::tm LocalTime(std::time_t when) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    return local;
}

}  // namespace

LocalDateTime LocalClock::At(std::time_t when) {
    const std::tm local = LocalTime(when);
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                         local.tm_hour,        local.tm_min,     local.tm_sec};
}

int LocalClock::UtcOffsetMinutesAt(std::time_t when) {
    std::tm local = LocalTime(when);
#ifdef _WIN32
    // The local calendar time read as if it were UTC, less the instant itself.
    return static_cast<int>((_mkgmtime(&local) - when) / 60);
#else
    return static_cast<int>(local.tm_gmtoff / 60);
#endif
}

LocalDateTime LocalClock::Now() const {
    return At(std::time(nullptr));
}

std::optional<int> LocalClock::UtcOffsetMinutes() const {
    return UtcOffsetMinutesAt(std::time(nullptr));
}

}  // namespace velmorant
