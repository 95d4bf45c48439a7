#include "ui/model/date_rules.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

struct ClampCase {
    int month;
    int day;
    int year;
    int expected;
};

class ClampDay : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampDay, CutsTheDayBackToItsMonth) {
    const ClampCase& c = GetParam();
    EXPECT_EQ(ClampDayToMonth(c.month, c.day, c.year), c.expected)
        << c.month << "/" << c.day << "/" << c.year;
}

INSTANTIATE_TEST_SUITE_P(Table, ClampDay,
                         ::testing::Values(ClampCase{4, 31, 2015, 30}, ClampCase{11, 31, 2015, 30},
                                           ClampCase{4, 30, 2015, 30}, ClampCase{2, 31, 2015, 28},
                                           ClampCase{2, 31, 2016, 29}, ClampCase{2, 31, 1900, 28},
                                           ClampCase{2, 31, 2000, 29}, ClampCase{2, 29, 2015, 28},
                                           ClampCase{2, 29, 2016, 29}, ClampCase{2, 28, 2015, 28},
                                           ClampCase{2, 28, 2016, 28}, ClampCase{2, 28, 1900, 28},
                                           ClampCase{1, 31, 2015, 31}, ClampCase{12, 45, 2015, 45},
                                           // A month outside the year follows February's rule.
                                           ClampCase{0, 30, 2016, 29}, ClampCase{13, 31, 2015, 28},
                                           ClampCase{4, 0, 2015, 0}, ClampCase{2, -3, 2015, -3}));

TEST(CalendarDayCount, CountsDaysAndRollsOver) {
    EXPECT_EQ(CalendarDayCount(1970, 1, 1), 0);
    EXPECT_EQ(CalendarDayCount(2000, 1, 1), 10957);
    EXPECT_EQ(CalendarDayCount(1969, 12, 31), -1);
    EXPECT_EQ(CalendarDayCount(2016, 3, 1) - CalendarDayCount(2016, 2, 28), 2);
    EXPECT_EQ(CalendarDayCount(1900, 3, 1) - CalendarDayCount(1900, 2, 28), 1);
    EXPECT_EQ(CalendarDayCount(2015, 13, 1), CalendarDayCount(2016, 1, 1));
    EXPECT_EQ(CalendarDayCount(2016, 0, 1), CalendarDayCount(2015, 12, 1));
    EXPECT_EQ(CalendarDayCount(2016, 3, 0), CalendarDayCount(2016, 2, 29));
    EXPECT_EQ(CalendarDayCount(2015, 4, 31), CalendarDayCount(2015, 5, 1));
    EXPECT_EQ(CalendarDayCount(-32768, 1, 1) < CalendarDayCount(32767, 12, 31), true);
}

}  // namespace
}  // namespace velmorant
