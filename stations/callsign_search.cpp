// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/callsign_search.h"

#include <cstddef>
#include <optional>

#include "stations/line_reader.h"
#include "stations/station_fields.h"
#include "stations/station_list.h"

namespace velmorant {

namespace {

// Without a "*" a callsign is found only by the whole of it; a different one that shares its
// first 15 characters is offered as the closest match.
constexpr std::size_t kClosestComparison = 15;

// The length of the prefix a "*" asks for, or nothing without one.
std::optional<std::size_t> PrefixLength(std::string_view callsign) {
    const std::size_t star = RightTrimmed(callsign).find('*');
    if (star == std::string_view::npos) {
        return std::nullopt;
    }
    return star;
}

// The first `n` characters, or the whole text when it is shorter.
std::string_view Head(std::string_view text, std::size_t n) {
    return text.substr(0, n);
}

SearchResult& NotFound(SearchResult& result) {
    result.Outcome = SearchOutcome::NotFound;
    result.Record.RecordNumber = 0;
    result.Record.Locator.clear();
    result.Record.Notes.clear();
    return result;
}

// Steps to the line before or after the one the scan stopped on and takes that line's station
// without comparing its callsign. `reader` stands just after the scan's line, `foundLine` is that
// line and `lineBefore` the one above it, so no step re-reads the text.
SearchResult& Browse(SearchResult& result, BrowseRequest browse, LineReader& reader,
                     std::string_view foundLine, std::string_view lineBefore) {
    StationRecord& record = result.Record;
    record.RecordNumber += browse == BrowseRequest::Previous ? -1 : 1;
    record.Locator.clear();
    record.Notes.clear();

    // Above the first line there is nothing to read: the found line stays the browse line.
    std::string_view line = foundLine;
    bool pastTheEnd = false;
    if (record.RecordNumber > 0) {
        if (browse == BrowseRequest::Previous) {
            line = lineBefore;
        } else if (!reader.Next(line)) {
            // A list without an end line: its physical end acts as one.
            line = {};
            pastTheEnd = true;
        }
    }

    std::string_view candidate;
    const LineFields fields = SplitAtCommas(line);
    if (fields.HasFirstComma) {
        candidate = fields.Callsign;
        if (fields.HasSecondComma) {
            record.Locator = DeliveredLocator(fields.Locator);
            if (fields.Locator.size() < kShortestLocator) {
                // The step is abandoned before it completes: the callsign stays, the request
                // stays pending, and the caller shows the short locator.
                result.Outcome = SearchOutcome::BrowseStopped;
                return result;
            }
            record.Notes = DeliveredNotes(fields.Rest);
        }
    }

    result.BrowseCompleted = true;
    const StationLineKind kind = pastTheEnd ? StationLineKind::End : KindOfLine(line);
    if (kind == StationLineKind::End || kind == StationLineKind::Comment) {
        return NotFound(result);
    }
    record.Callsign = std::string(candidate);
    result.Outcome = SearchOutcome::Browsed;
    return result;
}

}  // namespace

SearchResult SearchCallsign(std::string_view fileText, std::string_view callsign,
                            BrowseRequest browse) {
    SearchResult result;
    StationRecord& record = result.Record;
    record.Callsign = std::string(callsign);
    const std::optional<std::size_t> prefix = PrefixLength(callsign);
    // The first line that shares only the first 15 characters, kept for a closest match.
    std::optional<StationRecord> closest;

    LineReader reader(fileText);
    int lineNumber = 0;
    std::string_view line;
    std::string_view lineBefore;
    // The text before the first comma of the most recent line that had one.
    std::string_view lastCandidate;
    bool reachedEnd = false;
    for (;;) {
        lineBefore = line;
        ++lineNumber;
        if (!reader.Next(line)) {
            // A list without an end line: its physical end acts as one.
            line = {};
            reachedEnd = true;
            break;
        }
        const StationLineKind kind = KindOfLine(line);
        if (kind == StationLineKind::End) {
            reachedEnd = true;
            break;
        }
        if (kind == StationLineKind::Comment) {
            continue;
        }
        const LineFields fields = SplitAtCommas(line);
        if (!fields.HasFirstComma) {
            break;
        }
        lastCandidate = fields.Callsign;
        if (prefix) {
            if (Head(fields.Callsign, *prefix) != Head(record.Callsign, *prefix)) {
                continue;
            }
        } else if (fields.Callsign != record.Callsign) {
            if (!closest && Head(fields.Callsign, kClosestComparison) ==
                                Head(record.Callsign, kClosestComparison)) {
                closest = StationRecord{std::string(fields.Callsign), {}, {}, lineNumber};
                if (fields.HasSecondComma) {
                    closest->Locator = DeliveredLocator(fields.Locator);
                    if (fields.Locator.size() >= kShortestLocator) {
                        closest->Notes = DeliveredNotes(fields.Rest);
                    }
                }
            }
            continue;
        }
        // Taken over even if the line is passed over below: with a "*" the box then shows the
        // callsign as the file writes it.
        record.Callsign = std::string(fields.Callsign);
        if (!fields.HasSecondComma) {
            break;
        }
        record.Locator = DeliveredLocator(fields.Locator);
        if (fields.Locator.size() < kShortestLocator) {
            continue;  // too short to place the station: a later line of it may do
        }
        record.Notes = DeliveredNotes(fields.Rest);
        break;
    }
    record.RecordNumber = lineNumber;

    // A "*" prefix that is itself a callsign cannot be told from a longer one that shares it.
    if (prefix && record.Callsign.size() == *prefix) {
        result.Outcome = SearchOutcome::ClosestMatch;
        return result;
    }
    // The whole callsign was not found (the scan went past every line without stopping on
    // it), but one shares its first 15 characters.
    const bool foundWhole = !prefix && !reachedEnd && record.Callsign == lastCandidate;
    if (closest && !foundWhole) {
        record = *closest;
        result.Outcome = SearchOutcome::ClosestMatch;
        return result;
    }
    if (reachedEnd) {
        return NotFound(result);
    }
    // The scan stopped on a line too short to read: it found nothing it can name.
    if (record.Callsign != lastCandidate) {
        result.Outcome = SearchOutcome::Silent;
        return result;
    }
    if (browse != BrowseRequest::None) {
        return Browse(result, browse, reader, line, lineBefore);
    }
    result.Outcome = SearchOutcome::ExactMatch;
    return result;
}

}  // namespace velmorant
