// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/realtime/map_captions.h"

#include <algorithm>
#include <array>

namespace velmorant {

std::vector<CaptionBox> PlaceCaptions(std::span<const CaptionMark> marks) {
    std::vector<CaptionBox> placed;
    placed.reserve(marks.size());
    for (const CaptionMark& mark : marks) {
        const double w = mark.Width;
        const double h = mark.Height;
        // Below right (the usual place), above right, below left, above left.
        const std::array<CaptionBox, 4> sides = {
            CaptionBox{mark.X, mark.Y, w, h},
            CaptionBox{mark.X, mark.Y - h, w, h},
            CaptionBox{mark.X - w, mark.Y, w, h},
            CaptionBox{mark.X - w, mark.Y - h, w, h},
        };
        const auto overlapped = [&](const CaptionBox& box) {
            return std::find_if(placed.begin(), placed.end(),
                                [&](const CaptionBox& other) { return box.Overlaps(other); });
        };
        const auto free = std::find_if(sides.begin(), sides.end(), [&](const CaptionBox& box) {
            return overlapped(box) == placed.end();
        });
        if (free != sides.end()) {
            placed.push_back(*free);
            continue;
        }
        // Every side is taken: the name goes down under the names in its way. Its top only
        // moves down past a bottom, so it passes each earlier name at most once.
        CaptionBox box = sides.front();
        for (auto other = overlapped(box); other != placed.end(); other = overlapped(box)) {
            box.Y = other->Y + other->Height;
        }
        placed.push_back(box);
    }
    return placed;
}

}  // namespace velmorant
