// SPDX-License-Identifier: GPL-3.0-or-later
// The callsign lookup on any CALL3.TXT. Input: one byte for the browse request, the typed
// callsign up to LF (the text box holds one line), then the file's text.

#include "stations/callsign_search.h"
#include "stations/station_fields.h"
#include "stations/station_list.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    const auto browse = static_cast<BrowseRequest>(input.Byte() % 3);
    const std::string_view callsign = input.Line();
    const std::string_view fileText = input.Rest();

    const SearchResult result = SearchCallsign(fileText, callsign, browse);
    const std::vector<std::string_view> lines = SplitStationLines(fileText);
    const StationRecord& record = result.Record;
    // A list without an end line ends as if it had one just after its last line.
    FUZZ_REQUIRE(record.RecordNumber >= 0 &&
                 static_cast<std::size_t>(record.RecordNumber) <= lines.size() + 1);
    FUZZ_REQUIRE(record.Notes.size() <= kNotesLength);
    if (result.Outcome == SearchOutcome::ExactMatch) {
        FUZZ_REQUIRE(record.RecordNumber >= 1);
    }
    if (result.Outcome == SearchOutcome::NotFound) {
        FUZZ_REQUIRE(record.RecordNumber == 0 && record.Locator.empty() && record.Notes.empty());
    }
    return 0;
}
