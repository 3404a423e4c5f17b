#include "app/window_arrangement.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

bool inside(const PixelRect& r, PixelSize area) {
    return r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0 && r.x + r.width <= area.width &&
           r.y + r.height <= area.height;
}

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(WindowArrangement, TilesCoverTheAreaAsItIsWithoutOverlapping) {
    const PixelSize area{1001, 707};
    for (int n : {1, 2, 3, 5, 6, 7, 10}) {
        const auto tiles = tileWindows(area, n);
        ASSERT_EQ(tiles.size(), static_cast<std::size_t>(n)) << n;
        long long covered = 0;
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            EXPECT_TRUE(inside(tiles[i], area)) << n << " windows, tile " << i;
            covered += static_cast<long long>(tiles[i].width) * tiles[i].height;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(overlap(tiles[i], tiles[j])) << n << ": " << i << ", " << j;
        }
        EXPECT_EQ(covered, 1001LL * 707) << n;
    }
    EXPECT_EQ(tileWindows(area, 2), (std::vector<PixelRect>{{0, 0, 500, 707}, {500, 0, 501, 707}}));
    EXPECT_TRUE(tileWindows(area, 0).empty());
}

TEST(WindowArrangement, CascadeStepsDownAndKeepsEveryWindowInsideTheArea) {
    const PixelSize area{800, 600};
    const std::vector<PixelSize> sizes(14, PixelSize{1200, 300});
    const auto rects = cascadeWindows(area, sizes, 25);
    ASSERT_EQ(rects.size(), sizes.size());
    EXPECT_EQ(rects[1], (PixelRect{25, 25, 775, 300}));
    for (const PixelRect& r : rects) EXPECT_TRUE(inside(r, area)) << r.x;
    EXPECT_EQ(rects[12].x, 0) << "twelve steps of 25 fill half the area; the thirteenth starts again";

    // Icons fill the bottom row, then the row above; none covers another.
    const auto icons = arrangeIcons(area, std::vector<PixelSize>(5, PixelSize{300, 30}));
    EXPECT_EQ(icons,
              (std::vector<PixelRect>{
                  {0, 570, 300, 30}, {300, 570, 300, 30}, {0, 540, 300, 30}, {300, 540, 300, 30}, {0, 510, 300, 30}}));
}

} // namespace
} // namespace korva
