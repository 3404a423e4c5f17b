#pragma once

#include <array>
#include <cstdint>

namespace korva {

constexpr int kNutrientCount = 39;
constexpr int kStandardNutrientCount = 29;
constexpr int kAminoAcidCount = 10;
constexpr int kFirstAminoAcid = 29;
constexpr int kCategoryCount = 24;
constexpr int kRecipeCategory = 23;
constexpr int kLevelBytes = 20;

// Whether a number from a file, a table or a caller names a nutrient or a
// category; the tables are indexed only after this check.
constexpr bool isNutrient(int i) { return i >= 0 && i < kNutrientCount; }
constexpr bool isCategory(int c) { return c >= 0 && c < kCategoryCount; }

// 39 nutrient values per 100 g with their 4-bit status levels, a food id and a
// category: 180 bytes, the same on disk as in memory.  The same record holds a
// user's targets (levels 0 none, 1 ODA, 2 RDA) and a list's or day's totals.
struct NutrientRecord {
    static constexpr std::size_t kBytes = 180;

    std::array<float, kNutrientCount> values{};
    std::array<std::uint8_t, kLevelBytes> levels{};
    std::uint16_t id = 0;
    std::uint16_t category = 0;

    float value(int i) const { return values[static_cast<std::size_t>(i)]; }
    void setValue(int i, float v) { values[static_cast<std::size_t>(i)] = v; }

    // Nutrient 2k is in the high nibble of byte k, 2k+1 in the low nibble.
    int level(int i) const {
        std::uint8_t b = levels[static_cast<std::size_t>(i / 2)];
        return (i % 2 == 0) ? (b >> 4) : (b & 0x0F);
    }
    void setLevel(int i, int level) {
        std::uint8_t& b = levels[static_cast<std::size_t>(i / 2)];
        std::uint8_t l = static_cast<std::uint8_t>(level & 0x0F);
        b = (i % 2 == 0) ? std::uint8_t((b & 0x0F) | (l << 4)) : std::uint8_t((b & 0xF0) | l);
    }

    void clear() { *this = NutrientRecord{}; }

    // Adds the other record's values; a level 0 takes the other's level.
    void add(const NutrientRecord& other) {
        for (int i = 0; i < kNutrientCount; ++i) {
            values[static_cast<std::size_t>(i)] += other.value(i);
            if (level(i) == 0 && other.level(i) != 0) setLevel(i, other.level(i));
        }
    }

    void toBytes(std::uint8_t* out) const;
    static NutrientRecord fromBytes(const std::uint8_t* in);

    bool operator==(const NutrientRecord&) const = default;
};

} // namespace korva
