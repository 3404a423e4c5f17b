#pragma once

#include "app/display_preferences.h"

namespace korva {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The main window's size on this screen.  Screen widths of the size table
// take their row's design units; any other width keeps the window system's
// default size, which here is four fifths of the screen's free area
// (`freeArea`, without panels and docks), with the user's factors on top.
// Either way the window is no larger than the free area.
PixelSize mainFrameSize(const DisplayPreferences& prefs, PixelSize freeArea);

} // namespace korva
