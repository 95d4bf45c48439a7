// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/utf8.h"

namespace velmorant {

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += IsContinuationByte(c) ? 0 : 1;
    }
    return count;
}

std::size_t LeadingCharactersLength(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size()) {
        if (!IsContinuationByte(text[end]) && characters++ == count) {
            break;
        }
        ++end;
    }
    return end;
}

std::size_t CharacterLengthAt(std::string_view text, std::size_t at) {
    std::size_t length = 1;
    while (at + length < text.size() && IsContinuationByte(text[at + length])) {
        ++length;
    }
    return length;
}

DecodedCodePoint DecodeCodePoint(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    std::uint32_t minimum = 0;  // the smallest code the length may carry (no overlong forms)
    if (byte < 0x80) {
        return {byte, 1};
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
        return {};
    }
    if (at + length > text.size()) {
        return {};
    }
    std::uint32_t code = byte & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const char next = text[at + k];
        if (!IsContinuationByte(next)) {
            return {};
        }
        code = (code << 6) | (static_cast<unsigned char>(next) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length};
}

void AppendCodePoint(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeCodePoint(text, i).Length;
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string Utf8OfEightBitText(std::string_view bytes) {
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

}  // namespace velmorant
