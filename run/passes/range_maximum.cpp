// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/passes/range_maximum.h"

#include <algorithm>
#include <bit>

namespace velmorant {

RangeMaximum::RangeMaximum(std::vector<float> values)
    : values_(std::move(values)), toBlockEnd_(values_.size()), fromBlockStart_(values_.size()) {
    const std::size_t n = values_.size();
    std::vector<float> blocks;
    for (std::size_t start = 0; start < n; start += kBlock) {
        const std::size_t end = std::min(n, start + kBlock);
        fromBlockStart_[start] = values_[start];
        for (std::size_t i = start + 1; i < end; ++i) {
            fromBlockStart_[i] = std::max(fromBlockStart_[i - 1], values_[i]);
        }
        toBlockEnd_[end - 1] = values_[end - 1];
        for (std::size_t i = end - 1; i > start; --i) {
            toBlockEnd_[i - 1] = std::max(toBlockEnd_[i], values_[i - 1]);
        }
        blocks.push_back(fromBlockStart_[end - 1]);
    }
    blockLevels_.push_back(std::move(blocks));
    for (std::size_t width = 2; width <= blockLevels_.front().size(); width *= 2) {
        const std::vector<float>& below = blockLevels_.back();
        std::vector<float> level(blockLevels_.front().size() - width + 1);
        for (std::size_t b = 0; b < level.size(); ++b) {
            level[b] = std::max(below[b], below[b + width / 2]);
        }
        blockLevels_.push_back(std::move(level));
    }
}

float RangeMaximum::Max(std::size_t first, std::size_t last) const {
    const std::size_t firstBlock = first / kBlock;
    const std::size_t lastBlock = last / kBlock;
    if (firstBlock == lastBlock) {
        return *std::max_element(values_.begin() + static_cast<std::ptrdiff_t>(first),
                                 values_.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    }
    float largest = std::max(toBlockEnd_[first], fromBlockStart_[last]);
    if (lastBlock - firstBlock > 1) {
        const std::size_t count = lastBlock - firstBlock - 1;
        const auto k = static_cast<std::size_t>(std::bit_width(count) - 1);
        const std::vector<float>& level = blockLevels_[k];
        largest =
            std::max({largest, level[firstBlock + 1], level[lastBlock - (std::size_t{1} << k)]});
    }
    return largest;
}

}  // namespace velmorant
