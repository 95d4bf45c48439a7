// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace velmorant {

// The largest of any run of consecutive values in constant time (a sparse table: the maxima of
// the runs of 1, 2, 4, ... values from every index; n log n floats).
class RangeMaximum {
  public:
    explicit RangeMaximum(std::vector<float> values);
    // The largest of values[first] ... values[last], first <= last < size.
    float Max(std::size_t first, std::size_t last) const;

  private:
    std::vector<std::vector<float>> levels_;  // levels_[k][i]: the largest of 2^k from i
};

}  // namespace velmorant
