#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/nutrient_record.h"
#include "core/short_food.h"
#include "tests/support/temp_root.h"

namespace korva {
class FoodDataBase;
}

namespace korva::test {

// Writes index.ser and foods.arc of a consolidated data base with the
// program's own writers: `entries` must be in index order (category, then
// name), `records[k]` is the record of entries[k].  Record numbers, flags and
// the records' ids and categories are filled in.
bool writeFoodFiles(const DataPaths& paths, std::vector<ShortFood> entries, std::vector<NutrientRecord> records);

// Records laid end to end, as foods.arc holds them.
std::vector<std::uint8_t> recordBytes(const std::vector<NutrientRecord>& records);

// A food for a test data base: values per 100 g of the nutrients the lists
// show in their totals box.
struct TreeFood {
    int category = 0;
    std::string name;
    std::string measure = "1 cup";
    float gramsPerServing = 100.0f;
    float calories = 100.0f;
    float protein = 0.0f;
    float fat = 0.0f;
    float carbohydrate = 0.0f;
    float fiber = 0.0f;
    float cholesterol = 0.0f;
};

// A data root of its own holding the given foods.  Ids are 1000 + the food's
// place in the list given; the index is sorted into index order.  `tag`
// names the root's folder (tests of unusual folder names set it).
class FoodTree {
public:
    explicit FoodTree(std::vector<TreeFood> foods, const std::string& tag = "korva");

    DataPaths paths() const { return root_.paths(); }
    const std::filesystem::path& root() const { return root_.root(); }
    // Points the data base at this tree and loads the index.
    bool load(FoodDataBase& db) const;
    // Id of the i-th food given to the constructor.
    static std::uint16_t idOf(std::size_t i) { return static_cast<std::uint16_t>(1000 + i); }

private:
    TempRoot root_;
};

} // namespace korva::test
