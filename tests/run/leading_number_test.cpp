// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/leading_number.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

struct LeadingNumberCase {
    const char* Text;
    double Expected;
};

class LeadingNumberTest : public testing::TestWithParam<LeadingNumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().Text), GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    testing::Values(LeadingNumberCase{"12.5", 12.5}, LeadingNumberCase{" 45abc", 45.0},
                    LeadingNumberCase{"1 5", 15.0}, LeadingNumberCase{"", 0.0},
                    LeadingNumberCase{"abc", 0.0}, LeadingNumberCase{"-2", -2.0},
                    LeadingNumberCase{"- 10", -10.0}, LeadingNumberCase{"+58.6", 58.6},
                    LeadingNumberCase{".5", 0.5}, LeadingNumberCase{"5.", 5.0},
                    LeadingNumberCase{"1e3", 1000.0}, LeadingNumberCase{"1D2x", 100.0},
                    LeadingNumberCase{"1e", 1.0}, LeadingNumberCase{"\t0600", 600.0},
                    LeadingNumberCase{"12,5", 12.0}, LeadingNumberCase{"-", 0.0},
                    LeadingNumberCase{".", 0.0}));

TEST(LeadingNumber, BeyondADoubleReadsAsInfinityOrZeroByItsSize) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
    // The size, not the exponent's sign, decides: many digits can outweigh either.
    const std::string zeros(400, '0');
    EXPECT_EQ(LeadingNumber("0." + zeros + "1"), 0.0);
    EXPECT_TRUE(std::isinf(LeadingNumber("1" + zeros + "e-5")));
    EXPECT_EQ(LeadingNumber("-0.000" + zeros + "7e+3"), 0.0);
    EXPECT_TRUE(std::isinf(LeadingNumber("-" + zeros + "12" + zeros + ".5")));
    EXPECT_TRUE(LeadingNumber("-" + zeros + "12" + zeros + ".5") < 0);
    EXPECT_TRUE(std::isinf(LeadingNumber("0.5e99999999999999999999")));
}

}  // namespace
}  // namespace velmorant
