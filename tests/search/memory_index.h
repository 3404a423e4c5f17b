#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/food_data_base.h"
#include "core/short_food.h"

namespace korva::test {

// Fills a data base's index in memory, in index order (category, then name
// without case), the way a loaded index.ser would be.
inline void fillIndex(FoodDataBase& db, std::vector<std::pair<int, std::string>> foods) {
    std::stable_sort(foods.begin(), foods.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return compareNamesNoCase(a.second, b.second) < 0;
    });
    auto& entries = db.index().mutableEntries();
    entries.clear();
    std::uint16_t id = 100;
    for (const auto& [category, name] : foods) {
        ShortFood f;
        f.name = name;
        f.servingText = "1 cup";
        f.gramsPerServing = 100.0f;
        f.id = id;
        f.recordNumber = static_cast<std::uint16_t>(id - 100);
        ++id;
        f.category = static_cast<std::uint16_t>(category);
        entries.push_back(f);
    }
    db.rebuildCategoryTables();
}

inline std::vector<std::string> namesAt(const FoodDataBase& db, const std::vector<std::size_t>& positions) {
    std::vector<std::string> out;
    for (std::size_t p : positions) out.push_back(db.index().entries()[p].name);
    return out;
}

} // namespace korva::test
