// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/track_items.h"

#include "run/report/report_numbers.h"
#include "ui/model/radio/radio_status.h"
#include "ui/model/rotator/rotator_settings.h"

namespace velmorant {

void AddItems(std::string& printed, TrackFormat format, const std::vector<AddedItem>& items) {
    if (format == TrackFormat::Json) {
        // The object's closing brace moves behind the keys.
        printed.resize(printed.rfind('}'));
        while (!printed.empty() && printed.back() == '\n') {
            printed.pop_back();
        }
        for (const AddedItem& item : items) {
            printed += ",\n  \"" + item.Name + "_" + item.Unit + "\": " + item.Number;
        }
        printed += "\n}\n";
    } else {
        for (const AddedItem& item : items) {
            printed += item.Name + ": " + item.Text + "\n";
        }
    }
}

AddedItem ReportedDegrees(const char* name, std::optional<double> deg) {
    return deg ? AddedItem{name, FixedText(*deg, 1), "deg", FixedText(*deg, 2)}
               : AddedItem{name, "--", "deg", "null"};
}
AddedItem ReportedHertz(const char* name, std::optional<double> hz) {
    return hz ? AddedItem{name, FormatWhole(*hz) + " Hz", "hz", HertzText(*hz)}
              : AddedItem{name, "--", "hz", "null"};
}

std::string OneLine(const std::string& json) {
    std::string line;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] == '\n') {
            while (i + 1 < json.size() && json[i + 1] == ' ') {
                ++i;
            }
            continue;
        }
        line += json[i];
    }
    return line;
}

}  // namespace velmorant
