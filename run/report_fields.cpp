#include "run/report_fields.h"

#include <charconv>

#include "run/report_text.h"

namespace velmorant {

std::string BandText(std::string_view band) {
    std::string_view trimmed = band;
    while (!trimmed.empty() && trimmed.front() == ' ') {
        trimmed.remove_prefix(1);
    }
    while (!trimmed.empty() && trimmed.back() == ' ') {
        trimmed.remove_suffix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size()) {
        return std::string(band);
    }
    return FormatWhole(value);
}

std::string FirstCharacters(std::string_view utf8Text, int count) {
    std::size_t end = 0;
    int characters = 0;
    while (end < utf8Text.size()) {
        const bool starts = (static_cast<unsigned char>(utf8Text[end]) & 0xC0) != 0x80;
        if (starts && characters++ == count) {
            break;
        }
        ++end;
    }
    return std::string(utf8Text.substr(0, end));
}

}  // namespace velmorant
