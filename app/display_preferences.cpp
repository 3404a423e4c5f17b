#include "app/display_preferences.h"

#include <cmath>
#include <cstring>
#include <system_error>

#include "archive/atomic_file.h"
#include "core/nutrients.h"

namespace korva {

namespace {

constexpr std::int32_t kDefaultWeight = 540;
constexpr std::uint8_t kVariableSwiss = 0x22;
// Preference files are a few dozen bytes; anything much larger is not one.
constexpr std::size_t kMaxPreferenceBytes = 4096;

FontDescription defaultFont(std::int32_t height, std::int32_t width, int screenWidth) {
    FontDescription f;
    f.height = height;
    f.width = width;
    f.weight = kDefaultWeight;
    f.pitchAndFamily = kVariableSwiss;
    f.faceName = screenWidth == 640 ? "Arial" : "Swiss";
    return f;
}

} // namespace

FontDescription defaultScreenFont(int screenWidth) {
    switch (screenWidth) {
    case 640: return defaultFont(15, 5, screenWidth);
    case 800: return defaultFont(15, 5, screenWidth);
    case 1024: return defaultFont(17, 7, screenWidth);
    case 1152: return defaultFont(18, 7, screenWidth);
    case 1280: return defaultFont(20, 8, screenWidth);
    default: return defaultFont(0, 0, screenWidth);
    }
}

FontDescription defaultPrinterFont(int screenWidth) { return defaultFont(44, 18, screenWidth); }

ScaleFactors defaultScaleFactors(int screenWidth) {
    if (screenWidth == 1024) return {1.1f, 1.05f};
    return {1.0f, 1.0f};
}

bool isUsableFont(const FontDescription& f) {
    constexpr std::int32_t kMaxSize = 1000;
    if (f.height < -kMaxSize || f.height > kMaxSize) return false;
    if (f.width < 0 || f.width > kMaxSize) return false;
    if (f.weight < 0 || f.weight > 1000) return false;
    for (unsigned char c : f.faceName)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

bool factorInRange(float f) { return std::isfinite(f) && f >= kLowestFactor && f <= kHighestFactor; }

std::optional<ScaleFactors> decodeScaleFactors(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 8) return std::nullopt;
    auto f32 = [&](std::size_t at) {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= std::uint32_t(bytes[at + std::size_t(i)]) << (8 * i);
        float v;
        std::memcpy(&v, &u, sizeof v);
        return v;
    };
    return ScaleFactors{f32(0), f32(4)};
}

std::optional<ScaleFactors> readScaleFile(const std::filesystem::path& path) {
    auto bytes = readWholeFile(path, kMaxPreferenceBytes);
    if (!bytes) return std::nullopt;
    return decodeScaleFactors(*bytes);
}

bool writeScaleFile(const std::filesystem::path& path, ScaleFactors f) {
    std::uint8_t bytes[8];
    auto put = [&](std::size_t at, float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, sizeof u);
        for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = static_cast<std::uint8_t>(u >> (8 * i));
    };
    put(0, f.x);
    put(4, f.y);
    return writeFileAtomically(path, bytes, sizeof bytes);
}

std::optional<FontDescription> readFontFile(const std::filesystem::path& path) {
    auto bytes = readWholeFile(path, kMaxPreferenceBytes);
    if (!bytes) return std::nullopt;
    return FontDescription::decode(*bytes);
}

bool writeFontFile(const std::filesystem::path& path, const FontDescription& font) {
    auto bytes = font.encode();
    return writeFileAtomically(path, bytes.data(), bytes.size());
}

DisplayPreferences::DisplayPreferences()
    : factors_(defaultScaleFactors(screen_.width)), screenFont_(defaultScreenFont(screen_.width)),
      printerFont_(defaultPrinterFont(screen_.width)) {}

void DisplayPreferences::load(const std::filesystem::path& userDir, Platform& platform) {
    screen_ = platform.screenSize();
    const int width = screen_.width;
    std::error_code ec;

    // A font the user chose takes effect from the next start; without one
    // the screen's own default file applies.
    std::filesystem::path screenFile = userDir / kChosenScreenFontFile;
    if (!std::filesystem::exists(screenFile, ec))
        screenFile = userDir / (width == 640 ? kScreenFont640File : kDefaultScreenFontFile);
    std::optional<FontDescription> screenFont;
    if (std::filesystem::exists(screenFile, ec)) {
        screenFont = readFontFile(screenFile);
        if (screenFont && !isUsableFont(*screenFont)) screenFont.reset();
        if (!screenFont) platform.message(".. could not create screen font - using default...");
    }

    std::optional<FontDescription> printerFont;
    const auto printerFile = userDir / kPrinterFontFile;
    if (std::filesystem::exists(printerFile, ec)) {
        printerFont = readFontFile(printerFile);
        if (printerFont && !isUsableFont(*printerFont)) printerFont.reset();
        if (!printerFont) platform.message(".. could not create PRINTER font - using default...");
    }

    factors_ = defaultScaleFactors(width);
    screenFont_ = screenFont ? *screenFont : defaultScreenFont(width);
    printerFont_ = printerFont ? *printerFont : defaultPrinterFont(width);

    const auto scaleFile = userDir / kScaleFile;
    if (std::filesystem::exists(scaleFile, ec)) {
        auto f = readScaleFile(scaleFile);
        if (f && factorInRange(f->x) && factorInRange(f->y)) {
            factors_ = *f;
        } else {
            platform.message(" ... ERROR : X/Y factor out of range(.8-1.2); restoring default ...");
            std::filesystem::remove(scaleFile, ec);
        }
    }
}

int DisplayPreferences::scaleX(double v) const {
    return static_cast<int>(nearestInteger(v / 1280.0 * double(factors_.x) * screen_.width));
}

int DisplayPreferences::scaleY(double v) const {
    return static_cast<int>(nearestInteger(v / 1024.0 * double(factors_.y) * screen_.height));
}

DesignRect DisplayPreferences::scaleDialogRect(DesignRect r) const {
    auto sx = [&](int v) { return static_cast<int>(nearestInteger(v * double(factors_.x))); };
    auto sy = [&](int v) { return static_cast<int>(nearestInteger(v * double(factors_.y))); };
    DesignRect out{sx(r.left), sy(r.top), sx(r.right), sy(r.bottom)};
    if (out.top < 0) out.top = 0;
    return out;
}

} // namespace korva
