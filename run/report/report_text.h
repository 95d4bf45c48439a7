// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "run/report/report_numbers.h"

// Text layout of the planning report: lines built item by item with column tabs, and the small
// text functions (times, months, degree/minute/second texts); the number patterns are in
// report_numbers.h. Everything is UTF-8; columns count code points, so the degree sign takes two
// bytes but one column.

namespace velmorant {

// The degree sign in UTF-8 (one column).
inline constexpr std::string_view kDegreeSign = "\xC2\xB0";

// One logical report line built from items written back to back. Tab(n) moves to column n:
// spaces up to column n-1 when the next character would land before n, nothing when it lands
// exactly on n, and when it would land after n the physical line is ended and the next one starts
// with n-1 spaces. Columns count from 1.
class ReportLine {
  public:
    ReportLine();

    // Appends the text to the current physical line. The text should not hold line ends.
    ReportLine& Write(std::string_view utf8Text);
    // Moves to the given column as described above; a column below 1 counts as 1.
    ReportLine& Tab(int column);
    // Appends the text right-aligned in `width` columns ("@@@" patterns), never cut.
    ReportLine& WriteRightAligned(std::string_view utf8Text, int width);

    // Starts the line afresh, keeping the memory already taken (a report reuses one line).
    void Clear();

    // The column the next character would take on the current physical line.
    int Column() const { return currentColumns_ + 1; }
    // The physical lines (usually one), without line ends.
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
    int currentColumns_ = 0;
};

// "@@@", "@@@@@", "@@@@@@": the text right-aligned in a field of `width` columns by spaces on the
// left. Longer texts are returned whole, never cut.
std::string RightAlign(std::string_view utf8Text, int width);

// The instant of a report line as "hhmm": the hhmm number rounded to one decimal
// (Int(x * 10 + 0.5) / 10), in its shortest decimal text, padded on the left with zeros to four
// characters (45 gives "0045", 2400 gives "2400"). Negative values keep their minus sign in front
// of the zeros.
std::string HhmmText(double utcHHMM);

// "JAN" ... "DEC" for months 1 to 12; an empty text for any other month.
std::string_view MonthAbbrev(int month);

// An angle (radians) as the reports and the windows show it: degrees rounded to 0.1 half up
// (RoundedDegrees), one decimal, right-aligned in 5 columns (-3.04 degrees gives " -3.0").
std::string AngleText(double radians);

// A date as "MAR 2, 2016".
std::string DateText(int year, int month, int day);

// An angle as degrees, minutes and seconds in 15 columns: a 14-column template (4 spaces, the
// degree sign, 3 spaces, an apostrophe, 3 spaces, a double quote, a space) overwritten by the
// degrees (from column 1, at most 4 characters), minutes (from column 6, at most 3) and seconds
// (from column 10, at most 3), each written with a leading space for the sign, followed by the
// hemisphere letter: N or S for a latitude, W or E for a longitude (west positive), by the sign.
// 45.5042 as a latitude gives " 45° 30' 15\" N".
std::string DmsText(double degrees, bool latitude);

}  // namespace velmorant
