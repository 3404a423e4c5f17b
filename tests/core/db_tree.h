#pragma once

// The names the state, consolidation and user tests know the data tree
// builder by.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "archive/atomic_file.h"
#include "core/food_data_base.h"
#include "core/profile_file.h"
#include "tests/support/food_tree.h"

namespace korva::test {

inline NutrientRecord recordFor(std::uint16_t id, std::uint16_t category) { return distinctRecord(id, category); }

// A consolidated data base of `n` shipped foods: index.ser, foods.arc, korva.ini.
inline void writeShippedDataBase(const DataPaths& paths, int n) {
    ASSERT_TRUE(writeFoods(paths, spreadFoods(n)));
    ASSERT_TRUE(writeConsolidatedState(paths, n));
}

inline bool openDataBase(FoodDataBase& db) { return openLikeStartUp(db); }

struct FoodSeen {
    std::string name;
    std::uint16_t category = 0;
    NutrientRecord record;
    bool operator==(const FoodSeen&) const = default;
};

// Every food of the index with the record it reads back, by id.
inline std::map<std::uint16_t, FoodSeen> everyFood(const FoodDataBase& db) {
    std::map<std::uint16_t, FoodSeen> out;
    for (const ShortFood& e : db.index().entries()) {
        FoodSeen seen{e.name, e.category, {}};
        EXPECT_TRUE(db.records().readFoodRecord(e, seen.record)) << e.name;
        EXPECT_TRUE(out.emplace(e.id, seen).second) << "id twice: " << e.id;
    }
    return out;
}

inline ShortFood newFood(std::uint16_t id, std::uint16_t category, const std::string& name) {
    ShortFood e;
    e.id = id;
    e.category = category;
    e.name = name;
    e.servingText = "piece";
    e.gramsPerServing = 30.0f;
    return e;
}

inline void writeProfile(const std::filesystem::path& path, const std::string& name, float calories) {
    NutrientRecord targets;
    targets.setValue(0, calories);
    targets.setLevel(0, 1);
    ASSERT_TRUE(writeUser(path, name, targets));
}

} // namespace korva::test
