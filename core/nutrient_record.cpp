#include "core/nutrient_record.h"

#include <cstring>

namespace korva {

namespace {
void putU32(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p[2] = std::uint8_t(v >> 16);
    p[3] = std::uint8_t(v >> 24);
}
std::uint32_t getU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
} // namespace

void NutrientRecord::toBytes(std::uint8_t* out) const {
    for (int i = 0; i < kNutrientCount; ++i) {
        std::uint32_t bits;
        std::memcpy(&bits, &values[static_cast<std::size_t>(i)], 4);
        putU32(out + 4 * i, bits);
    }
    std::memcpy(out + 156, levels.data(), kLevelBytes);
    out[176] = std::uint8_t(id);
    out[177] = std::uint8_t(id >> 8);
    out[178] = std::uint8_t(category);
    out[179] = std::uint8_t(category >> 8);
}

NutrientRecord NutrientRecord::fromBytes(const std::uint8_t* in) {
    NutrientRecord r;
    for (int i = 0; i < kNutrientCount; ++i) {
        std::uint32_t bits = getU32(in + 4 * i);
        std::memcpy(&r.values[static_cast<std::size_t>(i)], &bits, 4);
    }
    std::memcpy(r.levels.data(), in + 156, kLevelBytes);
    r.id = std::uint16_t(in[176] | (in[177] << 8));
    r.category = std::uint16_t(in[178] | (in[179] << 8));
    return r;
}

} // namespace korva
