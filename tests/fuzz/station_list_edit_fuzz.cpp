// SPDX-License-Identifier: GPL-3.0-or-later
// One edit of any CALL3.TXT changes exactly the line it is meant to change: the lists before and
// after are compared line by line, every other line byte for byte. Input: the edit (one byte),
// the record number (one byte), the callsign and the new line up to LF each (the editor's
// fields hold one line), then the file's text.

#include <algorithm>
#include <string>
#include <vector>

#include "stations/station_fields.h"
#include "stations/station_list.h"
#include "stations/station_list_edit.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using velmorant::KindOfLine;
using velmorant::StationLineKind;

bool IsStation(std::string_view line) {
    return KindOfLine(line) == StationLineKind::Station;
}

// A station's callsign as the order compares it: up to the first comma, trailing blanks off.
std::string_view SortKey(std::string_view line) {
    return velmorant::RightTrimmed(line.substr(0, line.find(',')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    const auto edit = static_cast<StationEdit>(input.Byte() % 3);
    const int recordNumber = input.Byte();
    const std::string_view callsign = input.Line();
    const std::string_view newLine = input.Line();
    if (newLine.find('\r') != std::string_view::npos) {
        return 0;  // a line end inside the new line would make it two lines
    }
    const std::string_view fileText = input.Rest();

    std::vector<std::string_view> before = SplitStationLines(fileText);
    const auto end = std::find_if(before.begin(), before.end(), [](std::string_view line) {
        return KindOfLine(line) == StationLineKind::End;
    });
    const bool hasEndLine = end != before.end();
    if (hasEndLine) {
        before.erase(end + 1, before.end());  // the end line is kept, what follows it dropped
    }
    const std::string written = EditStationList(fileText, edit, recordNumber, callsign, newLine);
    const std::vector<std::string_view> after = SplitStationLines(written);

    // Every line is written with CR LF.
    std::string joined;
    for (std::string_view line : after) {
        joined.append(line).append("\r\n");
    }
    FUZZ_REQUIRE(joined == written);

    // Where the line was replaced, deleted or added; before.size() when nothing changed.
    std::size_t at = before.size();
    if (edit == StationEdit::Add) {
        FUZZ_REQUIRE(after.size() == before.size() + 1);
        at = static_cast<std::size_t>(
            std::mismatch(before.begin(), before.end(), after.begin()).first - before.begin());
        FUZZ_REQUIRE(after[at] == newLine);
        FUZZ_REQUIRE(std::equal(before.begin() + at, before.end(), after.begin() + at + 1));

        // Its place in the order: no station line below it sorts below the callsign; the line
        // above it is a station that does, or else no station line is above it at all. Among
        // lines equal to the new one, any position is the same text: one of them must fit.
        const std::string_view key = RightTrimmed(callsign);
        const bool anyStation = std::any_of(before.begin(), before.end(), IsStation);
        const auto fitsTheOrder = [&](std::size_t place) {
            for (std::size_t i = place; i < before.size(); ++i) {
                if (IsStation(before[i]) && SortKey(before[i]) < key) {
                    return false;
                }
            }
            if (place > 0 && IsStation(before[place - 1]) && SortKey(before[place - 1]) < key) {
                return true;  // just after the last station that sorts below
            }
            if (anyStation) {  // none sorts below: just before the first station
                return std::none_of(before.begin(), before.begin() + place, IsStation) &&
                       place < before.size() && IsStation(before[place]);
            }
            // No station: just before the end line, or last in a list without one.
            return place == (hasEndLine ? before.size() - 1 : before.size());
        };
        std::size_t place = at;
        while (!fitsTheOrder(place) && place > 0 && before[place - 1] == newLine) {
            --place;
        }
        FUZZ_REQUIRE(fitsTheOrder(place));
        return 0;
    }

    const auto target = static_cast<std::size_t>(recordNumber - 1);
    if (recordNumber >= 1 && target < before.size() && IsStation(before[target])) {
        at = target;
    }
    if (at == before.size()) {
        FUZZ_REQUIRE(after == before);  // not a station line: nothing replaced or deleted
    } else if (edit == StationEdit::Replace) {
        FUZZ_REQUIRE(after.size() == before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            FUZZ_REQUIRE(after[i] == (i == at ? newLine : before[i]));
        }
    } else {
        FUZZ_REQUIRE(after.size() + 1 == before.size());
        FUZZ_REQUIRE(std::equal(before.begin(), before.begin() + at, after.begin()));
        FUZZ_REQUIRE(std::equal(before.begin() + at + 1, before.end(), after.begin() + at));
    }
    return 0;
}
