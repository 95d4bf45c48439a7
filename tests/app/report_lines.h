// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data lines of a Moon planning report, each with the date of its day header (YYYY-MM-DD)
// and its time (hhmm as printed), and the printed numbers read back from their columns.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/app/command_fixture.h"

namespace velmorant::testing_support {

struct PrintedLine {
    std::string Date;  // YYYY-MM-DD
    std::string Hhmm;  // as printed: 0000 ... 2400
    std::string Text;
};

inline std::vector<PrintedLine> PrintedLines(const std::string& report) {
    static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::vector<PrintedLine> lines;
    std::string date;
    for (const std::string& line : LinesOf(report)) {
        for (int m = 0; m < 12; ++m) {
            int day = 0;
            int year = 0;
            if (line.rfind(kMonths[m], 0) == 0 &&
                std::sscanf(line.c_str() + 3, " %d,%d", &day, &year) == 2) {
                char text[16];
                std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, m + 1, day);
                date = text;
            }
        }
        if (line.size() > 4 && std::isdigit(static_cast<unsigned char>(line[0])) &&
            std::isdigit(static_cast<unsigned char>(line[3]))) {
            lines.push_back(PrintedLine{date, line.substr(0, 4), line});
        }
    }
    return lines;
}

// The number printed in columns from ... from + width - 1 (0-based); blank reads as 0.
inline double Printed(const std::string& line, std::size_t from, std::size_t width) {
    return from < line.size() ? std::atof(line.substr(from, width).c_str()) : 0.0;
}

// The fields of a CSV line without quotes (the rows compared hold none).
inline std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace velmorant::testing_support
