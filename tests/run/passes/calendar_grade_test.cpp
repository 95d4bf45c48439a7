// SPDX-License-Identifier: GPL-3.0-or-later
// The grades at their limits: below 1.5 dB excellent, then up to and including 2.5, 4 and
// 5.5 dB good, fair and poor, above that very poor; a date without a line has none.

#include "run/passes/calendar_grade.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

TEST(CalendarGrade, LimitsBelongToTheGradesAsWritten) {
    const struct {
        std::optional<float> Db;
        const char* Grade;
    } cases[] = {
        {-0.2f, "excellent"}, {1.49f, "excellent"}, {1.5f, "good"},     {2.5f, "good"},
        {2.51f, "fair"},      {4.0f, "fair"},       {4.01f, "poor"},    {5.5f, "poor"},
        {5.51f, "very poor"}, {30.0f, "very poor"}, {std::nullopt, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GradeName(GradeOf(c.Db)), c.Grade) << c.Db.value_or(-99);
    }
}

}  // namespace
}  // namespace velmorant
