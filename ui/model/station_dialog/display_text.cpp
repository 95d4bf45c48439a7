// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/station_dialog/display_text.h"

#include <cstdint>

#include "core/common/utf8.h"

namespace velmorant {

StationRecord ShownStation(const StationRecord& record) {
    StationRecord shown = record;
    shown.Callsign = Utf8OfEightBitText(record.Callsign);
    shown.Locator = Utf8OfEightBitText(record.Locator);
    shown.Notes = Utf8OfEightBitText(record.Notes);
    return shown;
}

std::string LookupUpperCase(std::string_view utf8Text) {
    std::string upper;
    upper.reserve(utf8Text.size());
    for (std::size_t i = 0; i < utf8Text.size();) {
        DecodedCodePoint decoded = DecodeCodePoint(utf8Text, i);
        if (decoded.Length == 0) {
            // A byte that is not UTF-8 is kept as it is, by itself.
            decoded = {static_cast<unsigned char>(utf8Text[i]), 1};
        }
        const std::uint32_t code = decoded.Code;
        const std::size_t length = decoded.Length;
        if (code > 90 && code <= 0xFF && (length == 2 || code < 0x80)) {
            AppendCodePoint(upper, code - 32);
        } else {
            upper.append(utf8Text.substr(i, length));
        }
        i += length;
    }
    return upper;
}

}  // namespace velmorant
