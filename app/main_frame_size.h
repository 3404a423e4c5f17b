#pragma once

#include <optional>

#include "app/display_preferences.h"

namespace korva {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The main window's size on this screen, or none where the screen width has
// no size of its own (the window system's default size applies).
std::optional<PixelSize> mainFrameSize(const DisplayPreferences& prefs);

} // namespace korva
