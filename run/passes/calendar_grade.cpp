// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/calendar_grade.h"

namespace velmorant {

CalendarGrade GradeOf(std::optional<float> degradationMinDb) {
    if (!degradationMinDb) {
        return CalendarGrade::None;
    }
    const float db = *degradationMinDb;
    if (db < 1.5f) {
        return CalendarGrade::Excellent;
    }
    if (db <= 2.5f) {
        return CalendarGrade::Good;
    }
    if (db <= 4.0f) {
        return CalendarGrade::Fair;
    }
    if (db <= 5.5f) {
        return CalendarGrade::Poor;
    }
    return CalendarGrade::VeryPoor;
}

std::string_view GradeName(CalendarGrade grade) {
    switch (grade) {
        case CalendarGrade::Excellent:
            return "excellent";
        case CalendarGrade::Good:
            return "good";
        case CalendarGrade::Fair:
            return "fair";
        case CalendarGrade::Poor:
            return "poor";
        case CalendarGrade::VeryPoor:
            return "very poor";
        case CalendarGrade::None:
            break;
    }
    return "";
}

}  // namespace velmorant
