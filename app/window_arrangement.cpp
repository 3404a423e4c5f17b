#include "app/window_arrangement.h"

#include <algorithm>

namespace korva {

namespace {

// Edge `i` of `parts` equal parts of `length`: the parts tile it exactly.
int edge(int length, int parts, int i) { return static_cast<int>(static_cast<long long>(length) * i / parts); }

} // namespace

std::vector<PixelRect> tileWindows(PixelSize area, int count) {
    std::vector<PixelRect> out;
    if (count <= 0) return out;
    int columns = 1;
    while (columns * columns < count) ++columns;
    const int rows = (count + columns - 1) / columns;
    for (int row = 0; row < rows; ++row) {
        const int inRow = row == rows - 1 ? count - columns * (rows - 1) : columns;
        const int top = edge(area.height, rows, row);
        const int bottom = edge(area.height, rows, row + 1);
        for (int col = 0; col < inRow; ++col) {
            const int left = edge(area.width, inRow, col);
            const int right = edge(area.width, inRow, col + 1);
            out.push_back({left, top, right - left, bottom - top});
        }
    }
    return out;
}

std::vector<PixelRect> cascadeWindows(PixelSize area, const std::vector<PixelSize>& sizes, int step) {
    std::vector<PixelRect> out;
    step = std::max(step, 1);
    // Offsets stay within half the area, so every window keeps at least
    // half of it.
    const int room = std::min(area.width, area.height) / 2;
    const int stepsThatFit = std::max(room / step, 1);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int offset = static_cast<int>(i % static_cast<std::size_t>(stepsThatFit)) * step;
        const int width = std::clamp(sizes[i].width, 1, std::max(area.width - offset, 1));
        const int height = std::clamp(sizes[i].height, 1, std::max(area.height - offset, 1));
        out.push_back({offset, offset, width, height});
    }
    return out;
}

std::vector<PixelRect> arrangeIcons(PixelSize area, const std::vector<PixelSize>& sizes) {
    std::vector<PixelRect> out;
    int x = 0;
    int bottom = area.height;
    int rowHeight = 0;
    for (const PixelSize& s : sizes) {
        if (x > 0 && x + s.width > area.width) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        out.push_back({x, bottom - s.height, s.width, s.height});
        x += s.width;
        rowHeight = std::max(rowHeight, s.height);
    }
    return out;
}

} // namespace korva
