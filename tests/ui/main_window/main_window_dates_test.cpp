// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/ui/window_fixture.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/planning/date_rules.h"

namespace velmorant {
namespace {

// The window starts on 10 March 2016 (the fake clock's date).
class DateFields : public testing_support::WindowTest {
  protected:
    void SetUp() override { window.Form_Load(); }

    void Choose(std::string_view list, int index) {
        ASSERT_TRUE(window.ChooseItem(list, index).Ok);
    }
    void Type(std::string_view box, std::string_view text) {
        ASSERT_TRUE(window.TypeText(box, text).Ok);
    }

    void ExpectStart(int monthIndex, int dayIndex, const char* year) {
        EXPECT_EQ(window.cboMonthStart.SelectedIndex, monthIndex);
        EXPECT_EQ(window.cboDayStart.SelectedIndex, dayIndex);
        EXPECT_EQ(window.txtYearStart.Text, year);
    }
    void ExpectEnd(int monthIndex, int dayIndex, const char* year) {
        EXPECT_EQ(window.cboMonthEnd.SelectedIndex, monthIndex);
        EXPECT_EQ(window.cboDayEnd.SelectedIndex, dayIndex);
        EXPECT_EQ(window.txtYearEnd.Text, year);
    }
};

TEST_F(DateFields, StartAtToday) {
    ExpectStart(2, 9, "2016");
    ExpectEnd(2, 9, "2016");
    EXPECT_EQ(window.cboDayStart.Text, "10");
    EXPECT_EQ(window.cboMonthEnd.Text, "Mar");
    EXPECT_EQ(window.StartDate, DaysSince1970(2016, 3, 10));
    EXPECT_EQ(window.EndDate, window.StartDate);
}

TEST_F(DateFields, RestartSetsTodayAgain) {
    Choose("cboMonthStart", 7);
    Type("txtYearEnd", "2030");
    clock.today = {2024, 2, 29};
    window.cmdRESTART_Click();
    ExpectStart(1, 28, "2024");
    ExpectEnd(1, 28, "2024");
}

TEST_F(DateFields, ADayIsCutBackToItsMonth) {
    Choose("cboMonthStart", 3);  // April
    Choose("cboDayStart", 30);   // 31
    ExpectStart(3, 29, "2016");

    Choose("cboMonthStart", 1);  // February 2016
    Choose("cboDayStart", 30);
    EXPECT_EQ(window.cboDayStart.SelectedIndex, 28);
    Type("txtYearStart", "2015");
    Choose("cboDayStart", 30);
    EXPECT_EQ(window.cboDayStart.SelectedIndex, 27);
    EXPECT_EQ(window.cboDayStart.Text, "28");
}

TEST_F(DateFields, AStartAfterTheEndIsCopiedIntoTheEnd) {
    Choose("cboMonthStart", 4);  // 10 May 2016
    ExpectEnd(4, 9, "2016");
    EXPECT_EQ(window.EndDate, DaysSince1970(2016, 5, 10));
}

TEST_F(DateFields, AnEndBeforeTheStartMovesTheEndYearOn) {
    Choose("cboDayEnd", 4);  // 5 March 2016, before 10 March 2016
    ExpectEnd(2, 4, "2017");
    ExpectStart(2, 9, "2016");
}

TEST_F(DateFields, ClickingTheStartYearCopiesTheStartIntoTheEnd) {
    Type("txtYearEnd", "2020");
    Choose("cboMonthEnd", 6);
    ExpectEnd(6, 9, "2020");
    ASSERT_TRUE(window.Click("txtYearStart").Ok);
    ExpectEnd(2, 9, "2016");
}

TEST_F(DateFields, YearTextsAreRewrittenAsNumbers) {
    Type("txtYearStart", "2016abc");
    Choose("cboMonthStart", 2);
    EXPECT_EQ(window.txtYearStart.Text, "2016");
    Type("txtYearStart", "");
    Choose("cboMonthStart", 2);
    EXPECT_EQ(window.txtYearStart.Text, "0");
    Type("txtYearStart", "2016.5");  // halves go to the even year
    Choose("cboMonthStart", 2);
    EXPECT_EQ(window.txtYearStart.Text, "2016");
}

TEST_F(DateFields, WithNoEndDayChosenTheCheckTakesDayOne) {
    Type("txtYearEnd", "2017");
    Type("cboDayEnd", "");
    ASSERT_EQ(window.cboDayEnd.SelectedIndex, -1);
    Choose("cboMonthEnd", 2);
    EXPECT_EQ(window.cboDayEnd.SelectedIndex, 0);
    EXPECT_EQ(window.cboDayEnd.Text, " 1");
}

TEST_F(DateFields, AYearBeyondSixteenBitsLeavesTheDatesAsTheyAre) {
    Type("txtYearStart", "40000");
    Choose("cboMonthStart", 5);
    ASSERT_TRUE(window.Click("txtYearStart").Ok);
    ASSERT_TRUE(window.Click("txtYearEnd").Ok);
    EXPECT_EQ(window.txtYearStart.Text, "40000");
    ExpectEnd(2, 9, "2016");

    // A start year that can be read repairs an unreadable end year by the start-year click.
    Type("txtYearStart", "2016");
    Type("txtYearEnd", "99999");
    Choose("cboDayEnd", 20);
    EXPECT_EQ(window.txtYearEnd.Text, "99999");
    ASSERT_TRUE(window.Click("txtYearStart").Ok);
    ExpectEnd(5, 9, "2016");
}

}  // namespace
}  // namespace velmorant
