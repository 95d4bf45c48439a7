// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "run/passes/mutual_windows.h"
#include "run/report/report_sink.h"
#include "run/rows/data_rows.h"

// The mutual windows as `velmorant windows` writes them: a text table, CSV or JSON, one window a
// line in the order they come (by start, then callsign). Times are UTC; the grid's 2400 of a
// date is written as 00:00 of the next. A pass that screened the libration spread gets one more
// column, the window's lowest spread.

namespace velmorant {

enum class WindowsFormat { Text, Csv, Json };

class MutualWindowTable : public MutualWindowSink {
  public:
    MutualWindowTable(ReportSink& sink, WindowsFormat format, bool spreadColumn = false);
    void Write(const MutualWindow& window, const StationSite& station) override;
    // Ends the table (the JSON array; the header of an empty table).
    void Finish();

  private:
    void WriteTextHeader();

    ReportSink& sink_;
    const WindowsFormat format_;
    const bool spreadColumn_;
    std::optional<DataRows> rows_;  // CSV and JSON
    bool headerWritten_ = false;
};

}  // namespace velmorant
