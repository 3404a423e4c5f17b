#include "app/main_frame_size.h"

#include <algorithm>
#include <cmath>

namespace korva {

PixelSize mainFrameSize(const DisplayPreferences& prefs, PixelSize freeArea) {
    // Design units of the 1280 x 1024 screen, by the real screen's width.
    struct Row {
        int screenWidth, width, height;
    };
    static constexpr Row kRows[] = {
        {1280, 1040, 850}, {1152, 1100, 970}, {1024, 1100, 930}, {800, 1200, 970}, {640, 1200, 940},
    };
    // Never larger than the free area: a 1280-wide screen may be only 800
    // high, and the user's factors may ask for more than there is.
    const auto fit = [&](int width, int height) {
        return PixelSize{std::min(width, freeArea.width), std::min(height, freeArea.height)};
    };
    for (const Row& r : kRows)
        if (r.screenWidth == prefs.screen().width) return fit(prefs.scaleX(r.width), prefs.scaleY(r.height));
    const ScaleFactors f = prefs.factors();
    return fit(static_cast<int>(std::lround(freeArea.width * 0.8 * f.x)),
               static_cast<int>(std::lround(freeArea.height * 0.8 * f.y)));
}

} // namespace korva
