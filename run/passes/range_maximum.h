// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace velmorant {

// The largest of any run of consecutive values in constant time but for short runs, in memory
// proportional to the values: the values cut into blocks of kBlock, with the maxima from each
// value to the end of its block and from its block's start to it, and a sparse table over the
// blocks' maxima (the maxima of 1, 2, 4, ... blocks from every block). A run within one block
// is scanned (at most kBlock values).
class RangeMaximum {
  public:
    explicit RangeMaximum(std::vector<float> values);
    // The largest of values[first] ... values[last], first <= last < size.
    float Max(std::size_t first, std::size_t last) const;

    static constexpr std::size_t kBlock = 64;

  private:
    std::vector<float> values_;
    std::vector<float> toBlockEnd_;                // the largest from i to the end of its block
    std::vector<float> fromBlockStart_;            // the largest from the start of i's block to i
    std::vector<std::vector<float>> blockLevels_;  // [k][b]: the largest of 2^k blocks from b
};

}  // namespace velmorant
