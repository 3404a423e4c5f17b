#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/font_description.h"
#include "core/platform.h"

namespace korva {

// Preference files in the user directory.
inline constexpr const char* kDefaultScreenFontFile = "default.bft";
inline constexpr const char* kScreenFont640File = "sf640d.bft";
inline constexpr const char* kPrinterFontFile = "pfont.bft";
inline constexpr const char* kScaleFile = "xyscale.bft";
inline constexpr const char* kChosenScreenFontFile = "sfont.bft";
inline constexpr const char* kAdjustedScaleFile = "xyfile.bft";

// Factors outside these bounds are refused, with a little slack for values
// that went through single precision.
inline constexpr float kLowestFactor = 0.799f;
inline constexpr float kHighestFactor = 1.201f;

// The program's own dialogs are light grey with black text.
struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;
};
inline constexpr RgbColor kDialogBackground{192, 192, 192};
inline constexpr RgbColor kDialogText{0, 0, 0};

struct DesignRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const DesignRect&) const = default;
};

struct ScaleFactors {
    float x = 1.0f;
    float y = 1.0f;
};

// Defaults for a screen of this width.
FontDescription defaultScreenFont(int screenWidth);
FontDescription defaultPrinterFont(int screenWidth);
ScaleFactors defaultScaleFactors(int screenWidth);

// Whether a stored description can be turned into a font.  Values no real
// font has (absurd sizes, weights, control characters in the face) make
// the file count as one that yields no font.
bool isUsableFont(const FontDescription& font);

bool factorInRange(float f);

// The 8-byte scale file: X then Y as little-endian f32.  None when the file
// is missing, cut short or unreadable.
std::optional<ScaleFactors> readScaleFile(const std::filesystem::path& path);
std::optional<ScaleFactors> decodeScaleFactors(const std::vector<std::uint8_t>& bytes);
bool writeScaleFile(const std::filesystem::path& path, ScaleFactors f);
std::optional<FontDescription> readFontFile(const std::filesystem::path& path);
bool writeFontFile(const std::filesystem::path& path, const FontDescription& font);

// The display values of one run: the screen, the two user factors and the
// screen and printer fonts.  Everything is laid out for a 1280 x 1024 screen
// and converted through scaleX / scaleY.
class DisplayPreferences {
public:
    DisplayPreferences();

    // Start-up: reads the preference files of `userDir` and tells the user
    // about files that yield nothing usable.
    void load(const std::filesystem::path& userDir, Platform& platform);

    int scaleX(double designWidth) const;
    int scaleY(double designHeight) const;
    DesignRect scaleDialogRect(DesignRect rect) const;

    ScreenSize screen() const { return screen_; }
    void setScreen(ScreenSize s) { screen_ = s; }
    ScaleFactors factors() const { return factors_; }
    void setFactors(ScaleFactors f) { factors_ = f; }
    const FontDescription& screenFont() const { return screenFont_; }
    const FontDescription& printerFont() const { return printerFont_; }
    void setPrinterFont(const FontDescription& f) { printerFont_ = f; }

private:
    ScreenSize screen_;
    ScaleFactors factors_;
    FontDescription screenFont_;
    FontDescription printerFont_;
};

} // namespace korva
