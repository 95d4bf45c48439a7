// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/report/report_pager.h"

// Where the lines of the Moon report fall: the day's first header, the empty line that marks
// skipped instants, the page breaks with their repeated header, the maximum degradation applied at
// every header, and the empty line that closes a day. The report follows it to write, and every
// other pass that must know which instants the report prints a line for (the mutual windows, the
// rows of `plan --format`) follows the same object, so that all of them agree line for line.

namespace velmorant {

// What comes with one instant that passed the filters, in the order written.
struct MoonLinePlacement {
    bool DayHeader = false;       // the day's first header comes first
    bool PageBeforeGap = false;   // a new page (its header) before the empty line
    bool Gap = false;             // an empty line: instants were skipped since the last line
    bool Skipped = false;         // the maximum degradation stopped the day here: no line
    bool PageBeforeLine = false;  // a new page (its header) before the line
};

class MoonLineLayout {
  public:
    // outputLines: lines per page (0 = no paging); maxDegradation in dB (0 = no limit).
    MoonLineLayout(int outputLines, int incrementMinutes, float maxDegradation)
        : pages_(outputLines),
          gapStep_(1.5f * static_cast<float>(incrementMinutes) / 1440.0f),
          maxDegradation_(maxDegradation) {}

    // A new date: no line printed yet today.
    void StartDay() { lastLineDayFraction_ = 2; }
    // An instant of the day (fraction of the UT day, Single) with its degradation (dB) that
    // passed the filters. When Skipped, the rest of the day prints nothing (the caller moves on
    // to the next date without EndDay).
    MoonLinePlacement Place(float dayFraction, float degradation);
    // The end of a day that was not skipped: true when it printed anything, and so is closed by
    // an empty line.
    bool EndDay();

  private:
    // Counts `lines` and, when they overflow the page, starts a new one; false when its header
    // finds the degradation over the limit.
    bool CountAndCheckPage(int lines, float degradation, bool& pageBreak);
    bool ExceedsMaxDegradation(float degradation) const {
        return maxDegradation_ != 0 && degradation > maxDegradation_;
    }

    PageCount pages_;
    const float gapStep_;  // fraction of a day, Single: 1.5 increments
    const float maxDegradation_;
    float lastLineDayFraction_ = 2;  // 2: no line yet today
    bool printedToday_ = false;
};

}  // namespace velmorant
