// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station_list.h"

#include "stations/line_reader.h"

namespace velmorant {

StationLineKind KindOfLine(std::string_view line) {
    // Decided in this order: an end line that happens to start like a comment or to hold
    // commas still ends the list.
    if (line.starts_with("ZZZZZZ")) {
        return StationLineKind::End;
    }
    if (line.starts_with("//")) {
        return StationLineKind::Comment;
    }
    const std::size_t first = line.find(',');
    if (first != std::string_view::npos && line.find(',', first + 1) != std::string_view::npos) {
        return StationLineKind::Station;
    }
    return StationLineKind::Short;
}

std::vector<std::string_view> SplitStationLines(std::string_view text) {
    std::vector<std::string_view> lines;
    LineReader reader(text);
    std::string_view line;
    while (reader.Next(line)) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace velmorant
