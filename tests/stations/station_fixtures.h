// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "stations/station_record.h"
#include "stations/text_file.h"

// Shared by the station list tests: the fixture files and a long generated list.

namespace velmorant {

// Lets EXPECT_EQ compare and print a record as the window would receive it.
inline bool operator==(const StationRecord& a, const StationRecord& b) {
    return a.Callsign == b.Callsign && a.Locator == b.Locator && a.Notes == b.Notes &&
           a.RecordNumber == b.RecordNumber;
}
inline void PrintTo(const StationRecord& r, std::ostream* out) {
    *out << "{\"" << r.Callsign << "\", \"" << r.Locator << "\", \"" << r.Notes << "\", "
         << r.RecordNumber << '}';
}

}  // namespace velmorant

namespace velmorant::station_tests {

// The text of tests/data/stations/<topic>/CALL3.TXT; fails the test when it cannot be read.
inline std::string Fixture(const std::string& topic) {
    const auto text =
        ReadTextFile(std::string(VELMORANT_STATION_FIXTURES) + "/" + topic + "/CALL3.TXT");
    EXPECT_TRUE(text.has_value()) << topic;
    return text.value_or("");
}

// The callsign of station `i` (1-based) of LongList: sorted like the numbers.
inline std::string LongListCallsign(int i) {
    char callsign[16];
    std::snprintf(callsign, sizeof callsign, "K%06d", i);
    return callsign;
}

// Three comment lines, `stations` station lines K000001 ... in order, the end line; CR LF.
// Station i is on line i + 3.
inline std::string LongList(int stations) {
    std::string text =
        "// a long list\r\n// of generated stations\r\n// callsign,locator,notes\r\n";
    for (int i = 1; i <= stations; ++i) {
        text += LongListCallsign(i) + ",JN58td,EME 2M 4x17el 1kW\r\n";
    }
    text += "ZZZZZZ\r\n";
    return text;
}

}  // namespace velmorant::station_tests
