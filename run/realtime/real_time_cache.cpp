// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/real_time_cache.h"

#include "core/series/sun.h"
#include "run/instant_position.h"

namespace velmorant {

const RealTimeDateValues& RealTimeCache::DateValues(float dayNumber) {
    if (!date_ || date_->DayNumber != dayNumber) {
        RealTimeDateValues values;
        values.DayNumber = dayNumber;
        WarmUpMoonDistance(values.Distance, dayNumber);
        MoonNoonDistance(values.Distance, dayNumber);
        values.SunRightAscensionAt0h = SunPosition(dayNumber, 0.0).RightAscension;
        date_ = std::move(values);
    }
    return *date_;
}

const DopplerFrame& RealTimeCache::DopplerFrameFor(const UtcDateTime& utc) {
    const std::array<int, 5> minute{utc.Year, utc.Month, utc.Day, utc.Hour, utc.Minute};
    if (frameMinute_ != minute) {
        frame_ = DopplerFrameAt(utc);
        frameMinute_ = minute;
    }
    return frame_;
}

}  // namespace velmorant
