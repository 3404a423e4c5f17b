#pragma once

#include <vector>

#include "app/main_frame_size.h"

namespace korva {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Window > Tile: `count` windows side by side in the document area as it
// is, in rows of equal columns; the last row's windows share its width.
// The tiles cover the area without overlapping and never reach past it.
std::vector<PixelRect> tileWindows(PixelSize area, int count);

// Window > Cascade: each window a title bar (`step`) down and to the right
// of the one before, keeping its own size where that fits and shrunk to the
// area where not.  When the steps would run out of room they start again at
// the corner.
std::vector<PixelRect> cascadeWindows(PixelSize area, const std::vector<PixelSize>& sizes, int step);

// Window > Arrange Icons: minimised windows (`sizes` in their order) in rows
// along the bottom edge, left to right; a row that is full continues in a
// row above it, so no icon covers another.
std::vector<PixelRect> arrangeIcons(PixelSize area, const std::vector<PixelSize>& sizes);

} // namespace korva
