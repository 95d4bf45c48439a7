// SPDX-License-Identifier: GPL-3.0-or-later
// The [Windows] group of VELMORANT.INI as a hand edit may leave it, one KEY=TEXT a line. Whatever
// the texts, the places read give a real-time window inside the screen's area, and what the
// program writes back reads again to the same places.

#include <map>
#include <string>

#include "tests/fuzz/fuzz_input.h"
#include "ui/model/desktop/window_placement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    fuzz::FuzzInput input(data, size);
    std::map<std::string, std::string> values;
    while (!input.Rest().empty()) {
        const std::string_view line = input.Line();
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            values[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
        }
    }
    const WindowPlaces places = ReadWindowPlaces(values);
    // A 1366 x 768 desktop with the main window at its top-left (frmInput's STOP, status line).
    const PlacementRect area{0, 0, 1366, 728};
    RealTimePlacementInput placement{
        area, {0, 0, 999, 535}, {{108, 494, 153, 33}, {380, 62, 281, 19}}, 1285, 754, {}};
    if (places.RealTime && LiesOnScreen(*places.RealTime, {area})) {
        placement.Saved = places.RealTime;
        placement.Width = places.RealTime->Width;
        placement.Height = places.RealTime->Height;
    }
    FUZZ_REQUIRE(area.Contains(PlaceRealTimeWindow(placement)));

    const auto written = WindowPlacesValues(places);
    const WindowPlaces reread = ReadWindowPlaces(written);
    FUZZ_REQUIRE(reread.Main == places.Main && reread.RealTime == places.RealTime);
    return 0;
}
