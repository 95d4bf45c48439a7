// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Walking UTF-8 text by character. The counting routines take any byte that does not continue a
// character (10xxxxxx) as the start of one, so they never fail, also on text that is not valid
// UTF-8; the decoder checks the text strictly.

namespace velmorant {

// A byte 10xxxxxx, which continues the character begun before it.
constexpr bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Characters in the text: the bytes that are not continuation bytes.
std::size_t CharacterCount(std::string_view text);

// Bytes of the first `count` characters: the text up to, not including, the byte that starts
// character count + 1 (the whole text when it holds no more). Continuation bytes at the very
// start belong to the first character.
std::size_t LeadingCharactersLength(std::string_view text, std::size_t count);

// Bytes of the character starting at text[at] (at < text.size()): that byte and the
// continuation bytes after it.
std::size_t CharacterLengthAt(std::string_view text, std::size_t at);

// One well-formed UTF-8 sequence: its code point and its length in bytes (1 ... 4).
struct DecodedCodePoint {
    std::uint32_t Code = 0;
    std::size_t Length = 0;
};

// The well-formed sequence starting at text[at] (at < text.size()), or length 0 when the bytes
// there are not one: a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate or a code above U+10FFFF.
DecodedCodePoint DecodeCodePoint(std::string_view text, std::size_t at);

// Whether the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Text from an 8-bit file (CALL3.TXT, VELMORANT.DAT) as UTF-8: valid UTF-8 as it is, anything
// else read as Latin-1, each byte one character. Always valid UTF-8; unchanged when it already was.
std::string Utf8OfEightBitText(std::string_view bytes);

// Appends the code point (at most U+10FFFF, not a surrogate) in UTF-8: 1 to 4 bytes.
void AppendCodePoint(std::string& out, std::uint32_t code);

}  // namespace velmorant
