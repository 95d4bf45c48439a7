// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/calendar.h"

#include <cstdint>
#include <ostream>
#include <utility>

#include <gtest/gtest.h>

namespace velmorant {

void PrintTo(const CalendarDate& d, std::ostream* os) {
    *os << d.Year << "-" << d.Month << "-" << d.Day;
}

namespace {

TEST(GregorianLeapYear, CenturiesLeapOnlyByFourHundred) {
    for (const auto& [year, leap] :
         {std::pair{2015, false}, std::pair{2016, true}, std::pair{1900, false},
          std::pair{2000, true}, std::pair{2100, false}, std::pair{0, true}, std::pair{-4, true},
          std::pair{-100, false}}) {
        EXPECT_EQ(IsGregorianLeapYear(year), leap) << year;
    }
}

TEST(DaysInMonth, LengthsOfTheYear) {
    const int common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(DaysInMonth(2015, month), common[month - 1]) << month;
        EXPECT_EQ(DaysInMonth(2016, month), common[month - 1] + (month == 2)) << month;
    }
}

struct StepCase {
    CalendarDate Day;
    CalendarDate Next;
};

class DayStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(DayStep, NextAndPreviousAreInverse) {
    EXPECT_EQ(NextDay(GetParam().Day), GetParam().Next);
    EXPECT_EQ(PreviousDay(GetParam().Next), GetParam().Day);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DayStep,
    ::testing::Values(StepCase{{2016, 3, 10}, {2016, 3, 11}}, StepCase{{2016, 4, 30}, {2016, 5, 1}},
                      StepCase{{2016, 2, 28}, {2016, 2, 29}}, StepCase{{2016, 2, 29}, {2016, 3, 1}},
                      StepCase{{2015, 2, 28}, {2015, 3, 1}}, StepCase{{1900, 2, 28}, {1900, 3, 1}},
                      StepCase{{2000, 2, 28}, {2000, 2, 29}},
                      StepCase{{2099, 12, 31}, {2100, 1, 1}}));

TEST(DaysSince1970, CountsDaysAndRollsOver) {
    EXPECT_EQ(DaysSince1970(1970, 1, 1), 0);
    EXPECT_EQ(DaysSince1970(2000, 1, 1), 10957);
    EXPECT_EQ(DaysSince1970(1969, 12, 31), -1);
    EXPECT_EQ(DaysSince1970(2016, 3, 1) - DaysSince1970(2016, 2, 28), 2);
    EXPECT_EQ(DaysSince1970(1900, 3, 1) - DaysSince1970(1900, 2, 28), 1);
    EXPECT_EQ(DaysSince1970(2015, 13, 1), DaysSince1970(2016, 1, 1));
    EXPECT_EQ(DaysSince1970(2016, 0, 1), DaysSince1970(2015, 12, 1));
    EXPECT_EQ(DaysSince1970(2016, 3, 0), DaysSince1970(2016, 2, 29));
    EXPECT_EQ(DaysSince1970(2015, 4, 31), DaysSince1970(2015, 5, 1));
    EXPECT_EQ(DaysSince1970(-32768, 1, 1) < DaysSince1970(32767, 12, 31), true);
}

TEST(DateFromDaysSince1970, RebuildsEveryDateOfFourCenturiesAndTheFarYears) {
    std::int64_t previous = DaysSince1970(1799, 12, 31);
    for (CalendarDate date{1800, 1, 1}; date.Year < 2201; date = NextDay(date)) {
        const std::int64_t days = DaysSince1970(date.Year, date.Month, date.Day);
        ASSERT_EQ(days, previous + 1);
        ASSERT_EQ(DateFromDaysSince1970(days), date) << days;
        previous = days;
    }
    for (const CalendarDate date : {CalendarDate{-32768, 1, 1}, CalendarDate{-1, 12, 31},
                                    CalendarDate{0, 2, 29}, CalendarDate{32767, 12, 31}}) {
        EXPECT_EQ(DateFromDaysSince1970(DaysSince1970(date.Year, date.Month, date.Day)), date);
    }
}

}  // namespace
}  // namespace velmorant
