// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/utf8.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// "°" is C2 B0, "€" E2 82 AC, "𝄞" F0 9D 84 9E.
struct WalkCase {
    std::string_view Text;
    std::size_t Characters;
    std::size_t FirstTwoLength;  // bytes of the first two characters
};

class Utf8Walk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(Utf8Walk, CountsAndCutsByCharacter) {
    const WalkCase& c = GetParam();
    EXPECT_EQ(CharacterCount(c.Text), c.Characters);
    EXPECT_EQ(LeadingCharactersLength(c.Text, 2), c.FirstTwoLength);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Walk,
    ::testing::Values(WalkCase{"", 0, 0}, WalkCase{"A", 1, 1}, WalkCase{"ABC", 3, 2},
                      WalkCase{"45\xC2\xB0", 3, 2}, WalkCase{"\xC2\xB0\xE2\x82\xAC!", 3, 5},
                      WalkCase{"\xF0\x9D\x84\x9E"
                               "x",
                               2, 5},
                      // Stray continuation bytes count for nothing and stay with their character.
                      WalkCase{"\xB0\xB0"
                               "ab",
                               2, 4},
                      WalkCase{"a\x80\x80"
                               "bc",
                               3, 4},
                      // Latin-1 bytes that start no valid sequence still count as characters.
                      WalkCase{"\xE9t\xE9", 3, 2}));

TEST(Utf8Walk, LeadingCharactersBeyondTheTextKeepsAll) {
    EXPECT_EQ(LeadingCharactersLength("a\xC2\xB0", 0), 0U);
    EXPECT_EQ(LeadingCharactersLength("a\xC2\xB0", 5), 3U);
    EXPECT_EQ(LeadingCharactersLength("a\xC2\xB0", static_cast<std::size_t>(-1)), 3U);
}

TEST(Utf8Walk, CharacterLengthRunsOverContinuationBytes) {
    constexpr std::string_view text = "a\xE2\x82\xAC\xC2";
    EXPECT_EQ(CharacterLengthAt(text, 0), 1U);
    EXPECT_EQ(CharacterLengthAt(text, 1), 3U);
    EXPECT_EQ(CharacterLengthAt(text, 4), 1U);  // cut short at the end of the text
}

struct DecodeCase {
    std::string_view Bytes;
    std::uint32_t Code;
    std::size_t Length;  // 0: not a well-formed sequence
};

class Utf8Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Decode, ReadsOneSequenceStrictly) {
    const DecodeCase& c = GetParam();
    const DecodedCodePoint decoded = DecodeCodePoint(c.Bytes, 0);
    EXPECT_EQ(decoded.Length, c.Length);
    if (c.Length > 0) {
        EXPECT_EQ(decoded.Code, c.Code);
        std::string encoded;
        AppendCodePoint(encoded, c.Code);
        EXPECT_EQ(encoded, c.Bytes.substr(0, c.Length));
    }
    EXPECT_EQ(IsValidUtf8(c.Bytes), c.Length == c.Bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Utf8Decode,
    ::testing::Values(DecodeCase{"A", 'A', 1}, DecodeCase{"\x7F", 0x7F, 1},
                      DecodeCase{"\xC2\x80", 0x80, 2}, DecodeCase{"\xC3\xA9", 0xE9, 2},
                      DecodeCase{"\xDF\xBF", 0x7FF, 2}, DecodeCase{"\xE0\xA0\x80", 0x800, 3},
                      DecodeCase{"\xE2\x82\xAC", 0x20AC, 3}, DecodeCase{"\xEF\xBF\xBD", 0xFFFD, 3},
                      DecodeCase{"\xF0\x90\x80\x80", 0x10000, 4},
                      DecodeCase{"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
                      DecodeCase{"\x80", 0, 0},  // a continuation byte alone
                      DecodeCase{"\xC3", 0, 0},  // cut short
                      DecodeCase{"\xC3"
                                 "A",
                                 0, 0},                      // not continued
                      DecodeCase{"\xC0\xAF", 0, 0},          // overlong '/'
                      DecodeCase{"\xE0\x9F\xBF", 0, 0},      // overlong below U+0800
                      DecodeCase{"\xED\xA0\x80", 0, 0},      // a surrogate
                      DecodeCase{"\xF4\x90\x80\x80", 0, 0},  // above U+10FFFF
                      DecodeCase{"\xF8\x88\x80\x80\x80", 0, 0}, DecodeCase{"\xFF", 0, 0}));

TEST(Utf8Decode, WholeTexts) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("W1AW 45\xC2\xB0 \xE2\x82\xAC"));
    EXPECT_FALSE(IsValidUtf8("W1AW \xE9t\xE9"));
}

}  // namespace
}  // namespace velmorant
