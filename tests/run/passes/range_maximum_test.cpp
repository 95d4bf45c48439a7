// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/range_maximum.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace velmorant {
namespace {

// Every run of a few blocks' worth of pseudo-random values (with repeats and negatives) against a
// scan: runs within a block, across one boundary, and over whole blocks between partial ones.
TEST(RangeMaximum, EveryRunAgreesWithAScan) {
    for (const std::size_t size : {std::size_t{1}, std::size_t{63}, std::size_t{64},
                                   std::size_t{65}, 5 * RangeMaximum::kBlock + 17}) {
        std::vector<float> values(size);
        std::uint32_t state = 12345;
        for (float& value : values) {
            state = state * 1664525u + 1013904223u;
            value = static_cast<float>(static_cast<int>(state >> 24) - 128) / 8.0f;
        }
        const RangeMaximum maximum(values);
        for (std::size_t first = 0; first < size; ++first) {
            for (std::size_t last = first; last < size; ++last) {
                ASSERT_EQ(maximum.Max(first, last),
                          *std::max_element(values.begin() + static_cast<std::ptrdiff_t>(first),
                                            values.begin() + static_cast<std::ptrdiff_t>(last) + 1))
                    << "size " << size << ", " << first << " ... " << last;
            }
        }
    }
}

}  // namespace
}  // namespace velmorant
