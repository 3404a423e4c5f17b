#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korva {

// A font as the preference files store it: the 60-byte logical-font record
// laid out little-endian.  Heights and widths are in the
// units of the device the font is meant for; a negative height is the
// character height, a positive one the cell height, 0 the device's default.
struct FontDescription {
    static constexpr std::size_t kBytes = 60;
    static constexpr std::size_t kFaceBytes = 32;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName; // at most 31 characters are stored

    std::array<std::uint8_t, kBytes> encode() const;
    // None when the bytes are too few.
    static std::optional<FontDescription> decode(const std::vector<std::uint8_t>& bytes);

    bool operator==(const FontDescription&) const = default;
};

// What the font chooser answers: the chosen font and the size of its average
// character on the screen, which the scale adjustment needs.
struct FontChoice {
    FontDescription font;
    int charWidth = 0;
    int charHeight = 0;
};

enum class FontUse { screen, printer };

struct DotsPerInch {
    int x = 96;
    int y = 96;
};

} // namespace korva
