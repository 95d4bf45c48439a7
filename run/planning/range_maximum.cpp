// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/planning/range_maximum.h"

#include <algorithm>
#include <bit>

namespace velmorant {

RangeMaximum::RangeMaximum(std::vector<float> values) {
    levels_.push_back(std::move(values));
    for (std::size_t width = 2; width <= levels_.front().size(); width *= 2) {
        const std::vector<float>& below = levels_.back();
        std::vector<float> level(levels_.front().size() - width + 1);
        for (std::size_t i = 0; i < level.size(); ++i) {
            level[i] = std::max(below[i], below[i + width / 2]);
        }
        levels_.push_back(std::move(level));
    }
}

float RangeMaximum::Max(std::size_t first, std::size_t last) const {
    const std::size_t count = last - first + 1;
    const auto k = static_cast<std::size_t>(std::bit_width(count) - 1);
    const std::vector<float>& level = levels_[k];
    return std::max(level[first], level[last + 1 - (std::size_t{1} << k)]);
}

}  // namespace velmorant
