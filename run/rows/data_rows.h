// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "run/report/report_sink.h"

// The machine-readable outputs (CSV and JSON): named columns, one row per item, numbers
// unrounded in the shortest form that reads back as the same double.

namespace velmorant {

enum class DataFormat { Csv, Json };

// A field: a number (written unrounded; not finite: empty in CSV, null in JSON) or a text.
using DataValue = std::variant<double, std::string>;

// Writes a header (CSV) or an opening bracket (JSON), then the rows, to a line sink. CSV: one
// header line of the column names, one line per row, texts quoted when they hold a comma, a
// quote or a line end. JSON: an array of objects keyed by the column names, one object a line.
class DataRows {
  public:
    DataRows(ReportSink& sink, DataFormat format, std::vector<std::string> columns);
    // One value per column, in the columns' order.
    void Write(const std::vector<DataValue>& row);
    // The same field by field, for writers of many rows: BeginRow, one Text or Number per column
    // in the columns' order (fields beyond the columns are dropped), EndRow.
    void BeginRow();
    void Text(std::string_view text);
    void Number(double value);
    void EndRow();
    // Closes the JSON array (CSV needs nothing); the first call writes the header of an empty
    // table too.
    void Finish();

  private:
    void Begin();
    // The separator and (JSON) the key of the next field.
    void NextField();

    ReportSink& sink_;
    const DataFormat format_;
    const std::vector<std::string> columns_;
    std::vector<std::string> jsonKeys_;  // JSON: each column's name quoted, with its colon
    std::string line_;
    std::size_t field_ = 0;  // fields of the row begun so far
    bool begun_ = false;
    std::string pending_;  // JSON: the last object, written once it is known whether more follow
    bool hasPending_ = false;
};

// A date as YYYY-MM-DD.
std::string IsoDateText(int year, int month, int day);

// A time of day hhmm (1345 is 13:45, 0 <= hhmm <= 2400) as "HH:MM".
std::string UtcClockText(float hhmm);

// A text as a JSON string: quotes and backslashes escaped, control characters as \u00XX; text
// that is not UTF-8 is read as Latin-1, so that the string is always valid UTF-8.
std::string JsonText(std::string_view text);

// A number in the shortest form that reads back as the same double ("0.1", "-3", "1e-07").
std::string ShortestNumber(double value);

}  // namespace velmorant
