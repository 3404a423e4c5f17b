#pragma once

#include <cstdint>
#include <filesystem>

#include "core/food_data_base.h"
#include "core/nutrient_record.h"

namespace korva::test {

// The data tree shipped with the program, as the source tree holds it.
inline DataPaths shippedPaths() { return DataPaths(std::filesystem::path(KORVA_SOURCE_DIR) / "data"); }

inline bool shippedTreePresent(const DataPaths& paths) {
    return std::filesystem::exists(paths.indexSer()) && std::filesystem::exists(paths.foodsArc());
}

// Loads the shipped index into `db` (made on the shipped paths) with every
// record of foods.arc counted as archived, as a consolidated data base is.
inline bool loadShippedIndex(FoodDataBase& db) {
    if (!db.loadIndex()) return false;
    db.state().archived =
        static_cast<std::int32_t>(std::filesystem::file_size(db.paths().foodsArc()) / NutrientRecord::kBytes);
    return true;
}

} // namespace korva::test
