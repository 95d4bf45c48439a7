#include "ui/model/display_text.h"

#include <cstdint>

namespace velmorant {

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (byte < 0x80) {
        return 1;
    } else if ((byte & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
    } else if ((byte & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
    } else if ((byte & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    std::uint32_t code = byte & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

void AppendCodePoint(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

std::string DisplayText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        AppendCodePoint(text, static_cast<unsigned char>(c));
    }
    return text;
}

std::string LookupUpperCase(std::string_view utf8Text) {
    std::string upper;
    upper.reserve(utf8Text.size());
    for (std::size_t i = 0; i < utf8Text.size();) {
        std::size_t length = Utf8SequenceLength(utf8Text, i);
        if (length == 0) {
            length = 1;
        }
        std::uint32_t code = 0;
        if (length == 1) {
            code = static_cast<unsigned char>(utf8Text[i]);
        } else if (length == 2) {
            code = ((static_cast<unsigned char>(utf8Text[i]) & 0x1F) << 6) |
                   (static_cast<unsigned char>(utf8Text[i + 1]) & 0x3F);
        }
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
