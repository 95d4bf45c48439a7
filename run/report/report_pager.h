// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "run/report/report_sink.h"
#include "run/report/report_text.h"

namespace velmorant {

// The line count of the current page and the page length (0 = no paging).
class PageCount {
  public:
    explicit PageCount(int outputLines) : outputLines_(outputLines) {}
    // Counts lines about to be written; true when they no longer fit on the page.
    bool Count(int lines) {
        lineCount_ += lines;
        return outputLines_ > 0 && lineCount_ > outputLines_;
    }
    // Starts a new page holding the given number of lines so far.
    void NewPage(int linesOnPage) { lineCount_ = linesOnPage; }

  private:
    int outputLines_;
    int lineCount_ = 0;
};

// The paging state shared by both report forms: lines counted on the current page and the page
// length (0 = no paging). Every page starts with a repeat of the header; no form feeds.
class ReportPager {
  public:
    ReportPager(ReportSink& sink, int outputLines) : sink_(sink), pages_(outputLines) {}

    // Counts lines about to be written; true when they no longer fit on the page.
    bool Count(int lines) { return pages_.Count(lines); }
    // Starts a new page holding the given number of lines so far.
    void NewPage(int linesOnPage) { pages_.NewPage(linesOnPage); }

    void Write(const ReportLine& line) {
        for (const auto& physical : line.Lines()) {
            sink_.WriteLine(physical);
        }
    }
    void WriteEmpty() { sink_.WriteLine(""); }

    // The empty line that closes a day. When it overflows the page it still closes the day: the
    // page ends with it and the next day's header opens the next page.
    void WriteDayEnd() {
        if (Count(1)) {
            NewPage(0);
        }
        WriteEmpty();
    }

  private:
    ReportSink& sink_;
    PageCount pages_;
};

}  // namespace velmorant
