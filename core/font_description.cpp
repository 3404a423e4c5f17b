#include "core/font_description.h"

#include <algorithm>
#include <cstring>

namespace korva {

namespace {

void putI32(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t getI32(const std::uint8_t* p) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

} // namespace

std::array<std::uint8_t, FontDescription::kBytes> FontDescription::encode() const {
    std::array<std::uint8_t, kBytes> out{};
    std::uint8_t* p = out.data();
    putI32(p, height);
    putI32(p + 4, width);
    putI32(p + 8, escapement);
    putI32(p + 12, orientation);
    putI32(p + 16, weight);
    p[20] = italic;
    p[21] = underline;
    p[22] = strikeOut;
    p[23] = charSet;
    p[24] = outPrecision;
    p[25] = clipPrecision;
    p[26] = quality;
    p[27] = pitchAndFamily;
    // The face keeps its terminating zero inside the 32 bytes.
    const std::size_t n = std::min(faceName.size(), kFaceBytes - 1);
    std::memcpy(p + 28, faceName.data(), n);
    return out;
}

std::optional<FontDescription> FontDescription::decode(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kBytes) return std::nullopt;
    const std::uint8_t* p = bytes.data();
    FontDescription f;
    f.height = getI32(p);
    f.width = getI32(p + 4);
    f.escapement = getI32(p + 8);
    f.orientation = getI32(p + 12);
    f.weight = getI32(p + 16);
    f.italic = p[20];
    f.underline = p[21];
    f.strikeOut = p[22];
    f.charSet = p[23];
    f.outPrecision = p[24];
    f.clipPrecision = p[25];
    f.quality = p[26];
    f.pitchAndFamily = p[27];
    // A face without its zero ends at the record's end.
    const auto* face = reinterpret_cast<const char*>(p + 28);
    f.faceName.assign(face, std::find(face, face + kFaceBytes, '\0'));
    return f;
}

} // namespace korva
