// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// The grade of an EME date from its lowest degradation: below 1.5 dB excellent, then up to and
// including 2.5 dB good, 4 dB fair, 5.5 dB poor, above that very poor. So 1.5 dB is good, and
// 2.5, 4 and 5.5 dB are good, fair and poor.

namespace velmorant {

enum class CalendarGrade { Excellent, Good, Fair, Poor, VeryPoor, None };

// The grade of a date's lowest degradation (dB); None when the date prints no line.
CalendarGrade GradeOf(std::optional<float> degradationMinDb);

// The grade's name as the calendar writes it ("excellent", "very poor"; "" for None).
std::string_view GradeName(CalendarGrade grade);

}  // namespace velmorant
