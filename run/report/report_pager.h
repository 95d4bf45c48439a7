#pragma once

#include <cstdint>

#include "run/report/report_sink.h"
#include "run/report/report_text.h"

namespace velmorant {

// The paging state shared by both report forms: lines counted on the current page and the page
// length (0 = no paging). Every page starts with a repeat of the header; no form feeds.
class ReportPager {
  public:
    ReportPager(ReportSink& sink, int outputLines) : sink_(sink), outputLines_(outputLines) {}

    // Counts lines about to be written; true when they no longer fit on the page.
    bool Count(int lines) {
        lineCount_ += lines;
        return outputLines_ > 0 && lineCount_ > outputLines_;
    }
    // Starts a new page holding the given number of lines so far.
    void NewPage(int linesOnPage) { lineCount_ = linesOnPage; }

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
    int outputLines_;
    int lineCount_ = 0;
};

}  // namespace velmorant
