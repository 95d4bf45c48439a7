// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/report_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/common/numeric.h"
#include "core/common/utf8.h"

namespace velmorant {

namespace {

// Writes text over the cells starting at `first`, at most `limit` code points of it.
template <std::size_t N>
void Overwrite(std::array<std::string, N>& cells, std::size_t first, std::string_view text,
               std::size_t limit) {
    std::size_t cell = first;
    std::size_t i = 0;
    while (i < text.size() && cell < N && cell < first + limit) {
        const std::size_t length = CharacterLengthAt(text, i);
        cells[cell] = std::string(text.substr(i, length));
        i += length;
        ++cell;
    }
}

// Columns a UTF-8 text takes in the report: one per character.
int Columns(std::string_view utf8Text) {
    return static_cast<int>(CharacterCount(utf8Text));
}

// A whole number as a number text: a space standing for the sign when it is not negative.
std::string SignedWholeText(double whole) {
    const std::string text = FormatWhole(whole);
    return text.starts_with('-') ? text : " " + text;
}

}  // namespace

ReportLine::ReportLine() : lines_(1) {
    lines_.back().reserve(96);
}

void ReportLine::Clear() {
    lines_.resize(1);
    lines_.front().clear();
    currentColumns_ = 0;
}

ReportLine& ReportLine::Write(std::string_view utf8Text) {
    lines_.back().append(utf8Text);
    currentColumns_ += Columns(utf8Text);
    return *this;
}

ReportLine& ReportLine::WriteRightAligned(std::string_view utf8Text, int width) {
    const int columns = Columns(utf8Text);
    if (columns < width) {
        lines_.back().append(static_cast<std::size_t>(width - columns), ' ');
        currentColumns_ += width - columns;
    }
    lines_.back().append(utf8Text);
    currentColumns_ += columns;
    return *this;
}

ReportLine& ReportLine::Tab(int column) {
    column = std::max(column, 1);
    if (Column() < column) {
        lines_.back().append(static_cast<std::size_t>(column - Column()), ' ');
        currentColumns_ = column - 1;
    } else if (Column() > column) {
        lines_.emplace_back(static_cast<std::size_t>(column - 1), ' ');
        currentColumns_ = column - 1;
    }
    return *this;
}

std::string RightAlign(std::string_view utf8Text, int width) {
    const int padding = std::max(width - Columns(utf8Text), 0);
    return std::string(static_cast<std::size_t>(padding), ' ') + std::string(utf8Text);
}

std::string HhmmText(double utcHHMM) {
    if (utcHHMM >= 0 && utcHHMM < 10000 && utcHHMM == std::floor(utcHHMM)) {
        // The usual whole hhmm: four digits with leading zeros.
        auto n = static_cast<unsigned>(utcHHMM);
        std::string text(4, '0');
        for (int i = 3; i >= 0 && n > 0; --i) {
            text[static_cast<std::size_t>(i)] = static_cast<char>('0' + n % 10);
            n /= 10;
        }
        return text;
    }
    double rounded = std::floor(utcHHMM * 10 + 0.5) / 10;
    if (rounded == 0) {
        rounded = 0;  // no "-0"
    }
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                      std::chars_format::fixed);
    std::string digits(buffer.data(), result.ptr);
    std::string sign;
    if (digits.starts_with('-')) {
        sign = "-";
        digits.erase(0, 1);
    }
    const std::size_t width = 4 - sign.size();
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return sign + digits;
}

std::string_view MonthAbbrev(int month) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    if (month < 1 || month > 12) {
        return {};
    }
    return kMonths[static_cast<std::size_t>(month - 1)];
}

std::string DmsText(double degrees, bool latitude) {
    const double magnitude = std::fabs(degrees);
    const double whole = std::floor(magnitude);
    const double fraction = magnitude - whole;
    // Coordinates pass through single precision, so a whole minute can arrive a hair below
    // itself (29.9999'); the small nudge shows it as that minute with 0 seconds, not 29' 60".
    const double minutes = std::floor(fraction * 60 + 0.0083);
    const double seconds = std::floor((fraction * 60 - minutes) * 60 + 0.5);

    std::array<std::string, 14> cells = {
        " ", " ", " ", " ", std::string(kDegreeSign), " ", " ", " ", "'", " ", " ", " ", "\"", " "};
    Overwrite(cells, 0, SignedWholeText(whole), 4);
    Overwrite(cells, 5, SignedWholeText(minutes), 3);
    Overwrite(cells, 9, SignedWholeText(seconds), 3);

    std::string text;
    for (const std::string& cell : cells) {
        text += cell;
    }
    if (degrees >= 0) {
        text += latitude ? "N" : "W";
    } else {
        text += latitude ? "S" : "E";
    }
    return text;
}

std::string AngleText(double radians) {
    return RightAlign(FormatFixed(RoundedDegrees(radians), 1), 5);
}

std::string DateText(int year, int month, int day) {
    return std::string(MonthAbbrev(month)) + " " + std::to_string(day) + ", " +
           std::to_string(year);
}

}  // namespace velmorant
