#include "app/main_frame_size.h"

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
    for (const Row& r : kRows)
        if (r.screenWidth == prefs.screen().width) return PixelSize{prefs.scaleX(r.width), prefs.scaleY(r.height)};
    const ScaleFactors f = prefs.factors();
    return PixelSize{static_cast<int>(std::lround(freeArea.width * 0.8 * f.x)),
                     static_cast<int>(std::lround(freeArea.height * 0.8 * f.y))};
}

} // namespace korva
