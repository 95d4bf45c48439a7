// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/report/moon_line_layout.h"

namespace velmorant {

bool MoonLineLayout::CountAndCheckPage(int lines, float degradation, bool& pageBreak) {
    if (!pages_.Count(lines)) {
        return true;
    }
    // A new page: the header (which applies the maximum degradation again), then the pending
    // output, counted on the new page.
    pages_.NewPage(0);
    if (ExceedsMaxDegradation(degradation)) {
        printedToday_ = false;
        return false;
    }
    pages_.NewPage(6);
    pageBreak = true;
    printedToday_ = true;
    pages_.Count(lines);
    return true;
}

MoonLinePlacement MoonLineLayout::Place(float dayFraction, float degradation) {
    MoonLinePlacement placement;
    if (lastLineDayFraction_ >= 2) {
        // The day's first header. One that does not fit opens the next page by itself.
        if (ExceedsMaxDegradation(degradation)) {
            placement.Skipped = true;
            return placement;
        }
        if (pages_.Count(6)) {
            pages_.NewPage(6);
        }
        placement.DayHeader = true;
        printedToday_ = true;
    }
    // Instants were skipped since the last line of the day: an empty line marks the gap.
    const float gap = static_cast<float>(dayFraction - lastLineDayFraction_);
    if (gap >= gapStep_) {
        if (!CountAndCheckPage(1, degradation, placement.PageBeforeGap)) {
            placement.Skipped = true;
            return placement;
        }
        placement.Gap = true;
    }
    if (!CountAndCheckPage(1, degradation, placement.PageBeforeLine)) {
        placement.Skipped = true;
        return placement;
    }
    lastLineDayFraction_ = dayFraction;
    return placement;
}

bool MoonLineLayout::EndDay() {
    if (!printedToday_) {
        return false;
    }
    // When the closing line overflows the page it still closes the day: the page ends with it
    // and the next day's header opens the next page.
    if (pages_.Count(1)) {
        pages_.NewPage(0);
    }
    printedToday_ = false;
    return true;
}

}  // namespace velmorant
