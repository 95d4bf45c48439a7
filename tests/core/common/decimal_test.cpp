// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/decimal.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string_view>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

struct DecimalCase {
    std::string_view Text;
    std::optional<double> Strict;         // StrictDecimal, "+-" refused
    std::optional<double> PlusThenMinus;  // StrictDecimal, "+-" accepted
    std::optional<double> WholeText;      // WholeTextNumber
};

void PrintTo(const DecimalCase& c, std::ostream* os) {
    *os << '"' << c.Text << '"';
}

constexpr std::optional<double> None = std::nullopt;

class Decimal : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(Decimal, ReadsTheWholeField) {
    const DecimalCase& c = GetParam();
    EXPECT_EQ(StrictDecimal(c.Text), c.Strict);
    EXPECT_EQ(StrictDecimal(c.Text, PlusBeforeMinus::Accepted), c.PlusThenMinus);
    EXPECT_EQ(WholeTextNumber(c.Text), c.WholeText);
}

constexpr double Inf = HUGE_VAL;

INSTANTIATE_TEST_SUITE_P(
    Table, Decimal,
    ::testing::Values(DecimalCase{"12", 12, 12, 12}, DecimalCase{"-12.5", -12.5, -12.5, -12.5},
                      DecimalCase{"+7", 7, 7, None}, DecimalCase{".5", 0.5, 0.5, 0.5},
                      DecimalCase{"-.5", -0.5, -0.5, -0.5}, DecimalCase{"5.", 5, 5, 5},
                      DecimalCase{"1e3", 1000, 1000, 1000}, DecimalCase{"2.5E-1", 0.25, 0.25, 0.25},
                      DecimalCase{"+-5", None, -5, None}, DecimalCase{"+--5", None, None, None},
                      DecimalCase{"-+5", None, None, None}, DecimalCase{"--5", None, None, None},
                      DecimalCase{"", None, None, None}, DecimalCase{"+", None, None, None},
                      DecimalCase{"-", None, None, None}, DecimalCase{".", None, None, None},
                      DecimalCase{" 5", None, None, None}, DecimalCase{"5 ", None, None, None},
                      DecimalCase{"5x", None, None, None}, DecimalCase{"0x10", None, None, None},
                      DecimalCase{"1e", None, None, None}, DecimalCase{"1e999", None, None, None},
                      DecimalCase{"inf", None, None, Inf},
                      DecimalCase{"-Infinity", None, None, -Inf},
                      DecimalCase{"+inf", None, None, None}));

// Whole numbers of settings files and command lines: int's range, the whole text, no '+'.
TEST(Decimal, WholeTextInteger) {
    const struct {
        const char* Text;
        std::optional<int> Expected;
    } cases[] = {
        {"0", 0},           {"-42", -42}, {"2147483647", 2147483647},
        {"2147483648", {}}, {"+5", {}},   {" 5", {}},
        {"5 ", {}},         {"5.0", {}},  {"", {}},
        {"-", {}},          {"12a", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeTextInteger(c.Text), c.Expected) << '"' << c.Text << '"';
    }
}

TEST(Decimal, NotANumberOnlyAsAWholeText) {
    EXPECT_EQ(StrictDecimal("nan"), None);
    EXPECT_EQ(StrictDecimal("nan", PlusBeforeMinus::Accepted), None);
    ASSERT_TRUE(WholeTextNumber("nan").has_value());
    EXPECT_TRUE(std::isnan(*WholeTextNumber("nan")));
}

}  // namespace
}  // namespace velmorant
