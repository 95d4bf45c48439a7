// SPDX-License-Identifier: GPL-3.0-or-later
// The date checks of the main window: a day is cut back to its month, the end date is never
// left before the start date, and both dates start at today.
//
// A year (or a typed day or month) that does not fit a 16-bit integer cannot be checked: the
// check then leaves every date control as it is, and the run refuses the value later.

#include <limits>
#include <optional>
#include <string>

#include "core/common/numeric.h"
#include "run/leading_number.h"
#include "ui/model/defaults/stored_numbers.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/model/planning/date_rules.h"

namespace velmorant {

namespace {

std::optional<std::int16_t> NumberOf(std::string_view text) {
    return ToInteger16(LeadingNumber(text));
}

// A list's chosen position + 1, or the number typed into it when no item is chosen.
std::optional<std::int16_t> ChosenOrTyped(const ComboBox& box) {
    if (box.SelectedIndex >= 0) {
        return static_cast<std::int16_t>(box.SelectedIndex + 1);
    }
    return NumberOf(box.Text);
}

}  // namespace

// Steps 1 to 6 of the start-date check: clamps the start day, rewrites the start year as a
// plain integer and records the start date. Returns false, changing nothing, when the start
// day or year cannot be represented.
bool MainWindowModel::StartDateSteps() {
    const int month = cboMonthStart.SelectedIndex + 1;
    const std::optional<std::int16_t> typedDay = ChosenOrTyped(cboDayStart);
    const std::optional<std::int16_t> year = NumberOf(txtYearStart.Text);
    if (!typedDay || !year) {
        return false;
    }
    const int day = ClampDayToMonth(month, *typedDay, *year);
    SelectItem(cboDayStart, day - 1);
    PutText(txtYearStart, std::to_string(*year));
    StartMonth = static_cast<std::int16_t>(month);
    StartDay = static_cast<std::int16_t>(day);
    StartYear = *year;
    StartDate = DaysSince1970(*year, month, day);
    return true;
}

void MainWindowModel::CopyStartToEnd(bool dayOnlyWhenChosen) {
    SelectItem(cboMonthEnd, cboMonthStart.SelectedIndex);
    if (!dayOnlyWhenChosen || cboDayStart.SelectedIndex >= 0) {
        SelectItem(cboDayEnd, cboDayStart.SelectedIndex);
    }
    PutText(txtYearEnd, txtYearStart.Text);
}

void MainWindowModel::cboMonthStart_Click() {
    cboDayStart_Click();
}

void MainWindowModel::cboDayStart_Click() {
    const std::optional<std::int16_t> endYear = NumberOf(txtYearEnd.Text);
    if (!endYear || !StartDateSteps()) {
        return;
    }
    // The end day is not clamped here: the end-date check below does it.
    const int endMonth = cboMonthEnd.SelectedIndex + 1;
    const int endDay = cboDayEnd.SelectedIndex + 1;
    EndMonth = static_cast<std::int16_t>(endMonth);
    EndDay = static_cast<std::int16_t>(endDay);
    EndYear = *endYear;
    EndDate = DaysSince1970(*endYear, endMonth, endDay);
    if (StartDate > EndDate) {
        CopyStartToEnd(false);
    }
    cboDayEnd_Click();
}

void MainWindowModel::cboMonthEnd_Click() {
    cboDayEnd_Click();
}

void MainWindowModel::cboDayEnd_Click() {
    const std::optional<std::int16_t> month = ChosenOrTyped(cboMonthEnd);
    const std::optional<std::int16_t> endYear = NumberOf(txtYearEnd.Text);
    const std::optional<std::int16_t> startYear = NumberOf(txtYearStart.Text);
    if (!month || !endYear || !startYear) {
        return;
    }
    const int chosenDay = cboDayEnd.SelectedIndex >= 0 ? cboDayEnd.SelectedIndex + 1 : 1;
    const int day = ClampDayToMonth(*month, chosenDay, *endYear);
    SelectItem(cboDayEnd, day - 1);
    EndMonth = *month;
    EndDay = static_cast<std::int16_t>(day);
    EndYear = *endYear;
    EndDate = DaysSince1970(*endYear, cboMonthEnd.SelectedIndex + 1, day);
    StartDate =
        DaysSince1970(*startYear, cboMonthStart.SelectedIndex + 1, cboDayStart.SelectedIndex + 1);
    // An end before the start is taken to mean the same day of the next year.
    if (StartDate > EndDate && *endYear < std::numeric_limits<std::int16_t>::max()) {
        EndYear = static_cast<std::int16_t>(*endYear + 1);
        EndDate = DaysSince1970(EndYear, cboMonthEnd.SelectedIndex + 1, day);
        PutText(txtYearEnd, std::to_string(EndYear));
    }
}

void MainWindowModel::txtYearStart_Click() {
    if (!StartDateSteps()) {
        return;
    }
    CopyStartToEnd(true);
    cboMonthStart_Click();
}

void MainWindowModel::txtYearEnd_Click() {
    cboMonthEnd_Click();
    cboDayEnd_Click();
}

void MainWindowModel::SetDatesToToday() {
    // Choosing the six values one after another would run the checks on intermediate dates,
    // but every order ends with both dates at today; setting them together gets there
    // directly, and the start-date check then brings the date values in line.
    const LocalDateTime now = clock_.Now();
    const CalendarDate today{now.Year, now.Month, now.Day};
    SelectItem(cboMonthStart, today.Month - 1);
    SelectItem(cboMonthEnd, today.Month - 1);
    SelectItem(cboDayStart, today.Day - 1);
    SelectItem(cboDayEnd, today.Day - 1);
    PutText(txtYearStart, std::to_string(today.Year));
    PutText(txtYearEnd, std::to_string(today.Year));
    cboDayStart_Click();
}

}  // namespace velmorant
