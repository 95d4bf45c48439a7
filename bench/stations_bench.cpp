// SPDX-License-Identifier: GPL-3.0-or-later
// The station list at 10000 stations: a lookup of the last station (the whole list scanned), a
// browse step from it, an Add rewrite of the list and the atomic write of the result.

#include <cstdio>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "stations/callsign_search.h"
#include "stations/station_list_edit.h"
#include "stations/text_file.h"

namespace velmorant::bench {
namespace {

constexpr int kStations = 10000;

std::string Callsign(int i) {
    char callsign[16];
    std::snprintf(callsign, sizeof callsign, "K%06d", i);
    return callsign;
}

// 17 comment lines, kStations sorted station lines, the end line; CR LF.
const std::string& LongList() {
    static const std::string text = [] {
        std::string t;
        for (int i = 0; i < 17; ++i) {
            t += "// comment line of the station list\r\n";
        }
        for (int i = 1; i <= kStations; ++i) {
            t += Callsign(i) + ",JN58td,EME 2M 4x17el 1kW\r\n";
        }
        t += "ZZZZZZ\r\n";
        return t;
    }();
    return text;
}

void BM_LookupLastStation(benchmark::State& state) {
    const std::string& text = LongList();
    const std::string last = Callsign(kStations);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchCallsign(text, last, BrowseRequest::None));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LookupLastStation);

// A bracket key: the lookup of the station shown and the step to the line above it.
void BM_BrowseStepFromLastStation(benchmark::State& state) {
    const std::string& text = LongList();
    const std::string last = Callsign(kStations);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchCallsign(text, last, BrowseRequest::Previous));
    }
}
BENCHMARK(BM_BrowseStepFromLastStation);

// A new station in the middle of the list: the whole new text.
void BM_AddRewrite(benchmark::State& state) {
    const std::string& text = LongList();
    const std::string callsign = Callsign(kStations / 2) + "A";
    const std::string line = StationLine(callsign, "JO62qm", "");
    for (auto _ : state) {
        benchmark::DoNotOptimize(EditStationList(text, StationEdit::Add, 0, callsign, line));
    }
}
BENCHMARK(BM_AddRewrite);

// The rewritten list written beside a temporary file and renamed over it.
void BM_ReplaceTextFile(benchmark::State& state) {
    const std::string text = EditStationList(LongList(), StationEdit::Add, 0, "K005000A",
                                             StationLine("K005000A", "JO62qm", ""));
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "velmorant-bench-CALL3.TXT";
    for (auto _ : state) {
        if (!ReplaceTextFile(file, text)) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    std::filesystem::remove(file);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReplaceTextFile);

}  // namespace
}  // namespace velmorant::bench
