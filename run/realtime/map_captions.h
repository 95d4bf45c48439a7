// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

// Where the stations' names go on the world map, so that two stations close together (Home and
// a DX station a few hundred kilometres away) do not print one name over the other.

namespace velmorant {

// A rectangle on the map in pixels of the drawing area, y down.
struct CaptionBox {
    double X = 0;  // left
    double Y = 0;  // top
    double Width = 0;
    double Height = 0;

    bool Overlaps(const CaptionBox& other) const {
        return X < other.X + other.Width && other.X < X + Width && Y < other.Y + other.Height &&
               other.Y < Y + Height;
    }
};

// A station's mark (its centre, pixels, y down) and the size its name takes in the map's font.
struct CaptionMark {
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;
};

// The box of each mark's name, in the order given. A name hangs down and to the right of its
// mark, as the first one always does; a later name that would overlap an earlier one is put above
// the mark, else to the left below, else to the left above; when every side is taken it hangs
// below and to the right, moved down under the names in its way. No two names overlap.
std::vector<CaptionBox> PlaceCaptions(std::span<const CaptionMark> marks);

}  // namespace velmorant
