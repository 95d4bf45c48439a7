// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/planning/date_rules.h"

#include <gtest/gtest.h>

#include "ui/model/main_window/main_window_controls.h"

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

// Texts typed into the month and day lists, and the item each names (-1: none).
TEST(TypedDateItem, NamesTheItemByNumberOrSpelling) {
    const std::vector<std::string> months = MonthListItems();
    const std::vector<std::string> days = DayListItems();
    const std::pair<const char*, int> dayCases[] = {
        {"5", 4},   {" 5", 4},  {"05", 4},  {"5 ", 4},  {"005", 4},         {"10", 9},
        {"31", 30}, {"1", 0},   {"0", -1},  {"32", -1}, {"", -1},           {"  ", -1},
        {"xx", -1}, {"5a", -1}, {"-5", -1}, {"+5", -1}, {"99999999999", -1}};
    for (const auto& [typed, item] : dayCases) {
        EXPECT_EQ(TypedDateItem(days, typed), item) << '"' << typed << '"';
    }
    const std::pair<const char*, int> monthCases[] = {{"Mar", 2},    {"mar", 2}, {"MAR", 2},
                                                      {" dec ", 11}, {"3", 2},   {"12", 11},
                                                      {"13", -1},    {"Ma", -1}, {"March", -1}};
    for (const auto& [typed, item] : monthCases) {
        EXPECT_EQ(TypedDateItem(months, typed), item) << '"' << typed << '"';
    }
}

}  // namespace
}  // namespace velmorant
