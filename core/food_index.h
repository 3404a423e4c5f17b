#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/nutrient_record.h"
#include "core/short_food.h"

namespace korva {

constexpr std::uint16_t kFirstUserFoodId = 25000;
constexpr std::uint16_t kLastUserFoodId = 28999;
constexpr std::uint16_t kFirstRecipeId = 29000;
constexpr std::size_t kMaxRecords = 65536;

// The food index in memory (category, then name without case) with its
// per-category tables.  Entries are addressed by their position; pointers to
// entries stay valid only until the index changes.  The operations that
// change the entries leave the tables as they were: the data base rebuilds
// them, together with the shared selection that depends on them.
class FoodIndex {
public:
    // Replaces the entries by those of an index file's bytes; false (and the
    // old entries kept) when they are not a well-formed index.
    bool loadFromBytes(const std::vector<std::uint8_t>& bytes);
    bool save(const std::filesystem::path& path);

    const std::vector<ShortFood>& entries() const { return list_.entries; }
    std::vector<ShortFood>& mutableEntries() { return list_.entries; }
    std::size_t totalFoods() const { return list_.entries.size(); }

    void rebuildTables();
    int foodCount(int category) const { return count_[static_cast<std::size_t>(category)]; }
    int firstRecord(int category) const { return firstRecord_[static_cast<std::size_t>(category)]; }
    // Position of the category's first entry, or none when it lies past the end.
    std::optional<std::size_t> firstEntry(int category) const;
    // Position of the k-th entry (0-based) of a category, or none.
    std::optional<std::size_t> positionInCategory(int category, int k) const;

    // First entry with this id (scan from the head), or null.
    const ShortFood* findEntryById(std::uint16_t id) const;
    std::optional<std::size_t> findPositionById(std::uint16_t id) const;
    // Id of the k-th entry of the "Recipes" category, or none.
    std::optional<std::uint16_t> recipeIdAt(int k) const;
    // The highest id of the user-food range in use (25000 when there is none).
    std::int32_t highestUserFoodId() const;

    // Puts the entry after every entry of its category whose name compares
    // equal or lower (case ignored); returns its position.
    std::size_t insertInOrder(ShortFood entry);
    // Removes the entry at `position`; nothing when there is none.
    void retireEntry(std::size_t position);

private:
    CSFList list_;
    std::array<int, kCategoryCount> count_{};
    std::array<int, kCategoryCount> firstRecord_{};
    std::array<std::optional<std::size_t>, kCategoryCount> firstEntry_{};
};

} // namespace korva
