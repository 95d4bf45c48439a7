#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text layout of the planning report: lines built item by item with column tabs, the number
// patterns of the headers and lines, and the small text functions (times, months, degree/minute/
// second texts). Everything is UTF-8; columns count code points, so the degree sign takes two
// bytes but one column.
//
// Number patterns round the exact binary value of a double half away from zero. That is what
// the report's readers compare against, and it differs from printf, which rounds exact ties to
// even (377292.5 must become 377,293) and is often fed an already inexact product.

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

// "##", "####", "#0H", "#0M": the number rounded to an integer, as many digits as needed, at
// least one ("0" for zero).
std::string FormatWhole(double value);

// "#####": as FormatWhole, but a value that rounds to 0 gives an empty text.
std::string FormatWholeBlankZero(double value);

// " ###,###": a space, then the number rounded to an integer with commas between thousands
// (384400.3 gives " 384,400"; zero gives " 0").
std::string FormatGroupedWhole(double value);

// " ##,###.#": a space, then one decimal with commas between thousands and no digit before the
// point when the integer part is 0 (5432.14 gives " 5,432.1", 0.5 gives " .5", 0 gives " .0").
std::string FormatGroupedOneDecimal(double value);

// " ##.##": a space, then two decimals, no grouping, no digit before the point when the integer
// part is 0 (15.516 gives " 15.52", 0.52 gives " .52", 15.5 gives " 15.50").
std::string FormatTwoDecimals(double value);

// "+## DAYS": the sign, the rounded integer, a space and DAYS (3 gives "+3 DAYS").
std::string FormatDays(double value);

// "@@@", "@@@@@", "@@@@@@": the text right-aligned in a field of `width` columns by spaces on the
// left. Longer texts are returned whole, never cut.
std::string RightAlign(std::string_view utf8Text, int width);

// "One decimal" / "no decimal" angles and values: exactly `decimals` decimals (0 or more), a
// leading 0 below 1 and commas between thousands (123.44 gives "123.4", -1.46 gives "-1.5",
// -44.6 with no decimal gives "-45", 1234.5 gives "1,234.5").
std::string FormatFixed(double value, int decimals);

// The same text without building a string: written into `buffer`, which the returned view
// points into. Every angle of every report line goes through here.
struct NumberText {
    char chars[48];
    std::string longer;  // holds the rare text that does not fit `chars`
};
std::string_view FormatFixedInto(NumberText& buffer, double value, int decimals);

// A number written as an item of a line (the Julian date): a space when not negative, a minus
// sign otherwise; up to 15 significant digits without grouping, trailing zeros after the point
// dropped, no point for whole numbers, a leading 0 below 1; one trailing space
// (2457450.5 gives " 2457450.5 ").
std::string NumberItem(double value);

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
