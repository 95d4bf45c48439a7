// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/date_rules.h"

#include <gtest/gtest.h>

namespace velmorant {
namespace {

struct ClampCase {
    int Month;
    int Day;
    int Year;
    int Expected;
};

class ClampDay : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampDay, CutsTheDayBackToItsMonth) {
    const ClampCase& c = GetParam();
    EXPECT_EQ(ClampDayToMonth(c.Month, c.Day, c.Year), c.Expected)
        << c.Month << "/" << c.Day << "/" << c.Year;
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

}  // namespace
}  // namespace velmorant
